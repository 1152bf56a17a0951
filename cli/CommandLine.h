// What the command line asks for, read without side effects.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DesignedInputs.h"
#include "engine/ZoningTables.h"
#include "spectrumfile/SpectrumFile.h"

namespace gb {

// The inputs of one run: the texts exactly as typed (the window's defaults where none is given)
// and the list positions the chosen items stand at.
struct CliOptions {
  int pgaIndex = kDesignedInputs.pgaZoneIndex;    // in kPgaZoneItems
  int tgZoneIndex = kDesignedInputs.tgZoneIndex;  // in kTgZoneItems
  std::string k1{kDesignedInputs.k1};
  std::string k2{kDesignedInputs.k2};
  std::string k3{kDesignedInputs.k3};
  std::string rareTgIncrement{kDesignedInputs.rareTgIncrement};
  std::string veryRareTgIncrement{kDesignedInputs.veryRareTgIncrement};
  std::string betaMax{kDesignedInputs.betaMax};
  int siteClass = scII;
  std::optional<std::string> encoding;  // none: the system code page
  std::optional<std::string> report;    // none: print the tables; "-": report to stdout
  std::optional<std::string> pdf;       // the calculation sheet; "-": to stdout
  std::optional<std::string> chart;     // the chart of siteClass, PNG or SVG by the extension
  int chartWidth = 1200;                // pixels, or the SVG view box
  int chartHeight = 800;
  std::optional<std::string> batch;          // a CSV of sites, "-" for the standard input
  std::optional<std::string> output;         // the batch's results; none or "-": stdout
  std::optional<std::string> inputEncoding;  // of the batch input; none: UTF-8
  std::optional<std::string> format;         // csv or jsonl with --batch, json without
  std::vector<std::string> periods;          // --period texts, in the order given, read later
  std::string project;                       // names on the calculation sheet; may be empty
  std::string siteName;
  std::optional<std::string> spectrumFile;  // the spectrum function file's format name
  std::optional<std::string> level;         // its level, as typed
  // Read from the two above.
  std::optional<SpectrumFileFormat> spectrumFormat;
  Level spectrumLevel = lvBasic;
};

// --chart-size bounds, in pixels each way.
inline constexpr int kMinChartSide = 50;
inline constexpr int kMaxChartSide = 10000;

enum class CliAction { Run, Help, Version, UsageError };

struct ParsedCommandLine {
  CliAction action = CliAction::Run;
  CliOptions options;
  std::string error;  // for UsageError: one line without the program name
};

// Reads the arguments after the program name. Values come as "--k1 TEXT" or "--k1=TEXT"; a
// separate value may not begin with "-" (other than "-" itself, the standard output), so a
// forgotten value is not silently taken from the next option. An option given twice is a usage
// error, except --period, which adds a period each time, and so is an option the chosen mode
// would not use; --help and --version win as soon as they are met. Messages are UTF-8: the
// arguments they repeat are read from `codePage`, the one they were typed in.
ParsedCommandLine ParseCommandLine(std::span<const std::string_view> args,
                                   std::string_view codePage = "UTF-8");

// The --help text, ending with a line break.
std::string UsageText();

}  // namespace gb
