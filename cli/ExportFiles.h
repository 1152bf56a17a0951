// The calculation sheet and the chart image of one command-line run, drawn offscreen.
#pragma once

#include <optional>
#include <string>

#include "cli/CommandLine.h"
#include "engine/ParameterSet.h"

namespace gb {

// The bytes of what the options ask for: the PDF for --pdf, the PNG or SVG for --chart. Nothing
// is written here; a fault in the spectra propagates before any file is touched.
struct ExportFiles {
  std::optional<std::string> pdf;
  std::optional<std::string> chart;
};
ExportFiles MakeExportFiles(const CliOptions& options, const ParameterSet& p);

}  // namespace gb
