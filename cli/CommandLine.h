// What the command line asks for, read without side effects.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/ZoningTables.h"

namespace gb {

// The inputs of one run: the texts exactly as typed (the window's defaults where none is given)
// and the list positions the chosen items stand at.
struct CliOptions {
  int pgaIndex = 0;     // in kPgaZoneItems
  int tgZoneIndex = 0;  // in kTgZoneItems
  std::string k1 = "2.9";
  std::string k2 = "1.9";
  std::string k3 = "0.3333";
  std::string rareTgIncrement = "0.05";
  std::string veryRareTgIncrement = "0.05";
  std::string betaMax = "2.5";
  int siteClass = scII;
  std::optional<std::string> encoding;  // none: the system code page
  std::optional<std::string> report;    // none: print the tables; "-": report to stdout
};

enum class CliAction { Run, Help, Version, UsageError };

struct ParsedCommandLine {
  CliAction action = CliAction::Run;
  CliOptions options;
  std::string error;  // for UsageError: one line without the program name
};

// Reads the arguments after the program name. Values come as "--k1 TEXT" or "--k1=TEXT"; a
// separate value may not begin with "-" (other than "-" itself, the standard output), so a
// forgotten value is not silently taken from the next option. A later option overrides an
// earlier one; --help and --version win as soon as they are met.
ParsedCommandLine ParseCommandLine(std::span<const std::string_view> args);

// The --help text, ending with a line break.
std::string UsageText();

}  // namespace gb
