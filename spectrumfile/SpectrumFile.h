// The design spectrum as a function file that a structural analysis program imports: MIDAS
// Gen/Civil's Seismic Data Generator text (.sgs), the SAP2000 / ETABS "From File" text, an
// OpenSees Tcl path series, or CSV of the four levels side by side for a spreadsheet.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ParameterSet.h"
#include "engine/ZoningTables.h"

namespace gb {

enum class SpectrumFileFormat { Sgs, Csi, OpenSees, Csv };

struct SpectrumFileFormatDesign {
  SpectrumFileFormat Format;
  const char* Name;       // as the command line takes it
  const char* Caption;    // as a dialog lists it, UTF-8
  const char* Extension;  // without the dot
};

inline constexpr SpectrumFileFormatDesign kSpectrumFileFormats[] = {
    {SpectrumFileFormat::Sgs, "sgs", "MIDAS Gen/Civil (*.sgs)", "sgs"},
    {SpectrumFileFormat::Csi, "csi", "SAP2000 / ETABS (*.txt)", "txt"},
    {SpectrumFileFormat::OpenSees, "opensees", "OpenSees Tcl (*.tcl)", "tcl"},
    {SpectrumFileFormat::Csv, "csv", "CSV 四个水准 (*.csv)", "csv"},
};

const SpectrumFileFormatDesign& SpectrumFileFormatOf(SpectrumFileFormat format);
std::optional<SpectrumFileFormat> SpectrumFileFormatNamed(std::string_view name);

// CSV holds the four levels side by side; every other format one level.
constexpr bool HoldsOneLevel(SpectrumFileFormat format) {
  return format != SpectrumFileFormat::Csv;
}

// The level the command line names: "frequent", "basic", "rare", "very-rare", or the Chinese name.
std::optional<Level> LevelNamed(std::string_view name);

// What a spectrum file shows: the two lists' items as the window shows them, the parameter set
// of a complete calculation, the level (not for CSV) and the site class.
struct SpectrumFileContent {
  std::string_view pgaItemText;
  std::string_view tgZoneItemText;
  const ParameterSet& p;
  Level level;
  SiteClass siteClass;
};

// The file's text in UTF-8, each line ended by `lineEnd` (CSV by CR LF, as the format asks).
// The spectrum's faults (EOverflow, EInvalidOp) propagate.
std::string SpectrumFileText(SpectrumFileFormat format, const SpectrumFileContent& content,
                             std::string_view lineEnd);

// "name-基本地震动.sgs" from "name.sgs", in the same folder: the file of one level when all four
// are written.
std::filesystem::path LevelFilePath(const std::filesystem::path& path, Level level);

}  // namespace gb
