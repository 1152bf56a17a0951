// The calculation sheet (计算书): one A4 page a reviewer can sign, with the inputs, the three
// result tables, the design spectra of one site class and that class's parameters, the method
// and the standard, and a sign-off block. Painted onto any paged device, so the PDF file and the
// printer get the same page.
#pragma once

#include <QByteArray>
#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartPlot.h"
#include "export/SpreadsheetText.h"
#include "report/ReportLines.h"

class QPagedPaintDevice;

namespace gb {

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

// A4 portrait with the sheet's margins; the print dialog starts from it as well.
void PrepareSheetPages(QPagedPaintDevice& device);

// Paints the sheet onto exactly one page, laid out by measured text: numbers never wrap inside
// their cells (a table whose texts are too wide gets a smaller type), and where the whole does not
// fit, the chart gets lower and then everything smaller. Returns the number of pages (1), or 0
// when the device would not be painted on (a printer that cannot open its output). The device's
// page layout decides the paper; `device` must be fresh.
int PaintCalculationSheet(QPagedPaintDevice& device, const CalculationSheet& sheet);

// The sheet as a PDF file: vector text and drawing, fonts embedded as subsets.
QByteArray CalculationSheetPdf(const CalculationSheet& sheet);

// What the sheet's PDF gets after Qt has written it: text maps that copy out the characters
// drawn and subset-tagged font names. For PDF files Qt's printer wrote as well.
void FinishSheetPdf(QByteArray& pdf);

}  // namespace gb
