// The calculation sheet and the chart image of a run without a window, drawn offscreen: no
// display is needed.
#pragma once

#include <optional>
#include <string>

#include "engine/ParameterSet.h"

namespace gb {

// What is asked for: the sheet, and the chart image named by its file (PNG or SVG by the name's
// extension), of one site class.
struct ExportRequest {
  bool sheet = false;
  std::optional<std::string> chartFile;
  int chartWidth = 1200, chartHeight = 800;  // pixels
  int siteClass = 2;
  std::string project, siteName;  // printed on the sheet
};

// The bytes of what is asked for. Nothing is written here; a fault in the spectra propagates
// before any file is touched.
struct ExportFiles {
  std::optional<std::string> pdf;
  std::optional<std::string> chart;
};
ExportFiles MakeExportFiles(const ExportRequest& request, const ParameterSet& p);

}  // namespace gb
