// The calculation sheet's content (计算书): one complete calculation's inputs, the three result
// tables, the site class whose spectra are drawn, the names to sign under and the time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartPlot.h"
#include "engine/ParameterSet.h"
#include "report/ReportLines.h"
#include "report/SpreadsheetText.h"

namespace gb {

// The sheet's heading, also the name of its PDF and of its print job (UTF-8).
inline constexpr const char* kSheetTitle = "地震动参数计算书";

struct CalculationSheet {
  std::string titleLine;     // the report's title line
  std::string calculatedAt;  // date and time of the calculation, as it is to be printed
  std::string project;       // the project's and the site's names; empty: a line to write on
  std::string siteName;
  std::vector<ReportInputLine> inputs;
  std::vector<CaptionedGrid> grids;  // the three result grids with their captions
  ParameterSet parameters;           // of one complete calculation: the spectra and the method
  int siteClass = 2;                 // whose spectra the chart shows
};

// The sheet of one complete calculation: its inputs, grids and spectra all come from `p`, so they
// cannot disagree. The chart is the four design spectra of `siteClass` over 0 to 6 s, whatever a
// screen shows.
CalculationSheet MakeCalculationSheet(const ParameterSet& p, int siteClass,
                                      std::string calculatedAt, std::string project = {},
                                      std::string siteName = {});

// The chart the sheet draws: the four spectra of its site class over 0 to 6 s, every curve shown,
// a legend without check boxes.
void PlotSheetChart(ChartPlot& chart, const CalculationSheet& sheet);

// The eight inputs with the report's captions, except that the platform factor βm, a ratio,
// goes without the unit "(s)" the report's line gives it. For the sheet and the spreadsheet copy,
// where a reviewer reads the captions; the report itself keeps its line.
std::vector<ReportInputLine> SheetInputLines(std::string_view pgaItemText,
                                             std::string_view tgZoneItemText,
                                             const ParameterSet& p);

// The program's name and version as the sheet prints them.
std::string SheetProgramText();

// One row of the site class's parameter table: the level and the grid texts of that class.
struct SiteParameterRow {
  std::string level, pga, period, platform;
};
std::vector<SiteParameterRow> SiteParameterRows(const CalculationSheet& sheet);

}  // namespace gb
