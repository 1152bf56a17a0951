#include "sheet/CalculationSheet.h"

#include "chart/ResponseChart.h"
#include "engine/DesignResponse.h"

namespace gb {

std::vector<ReportInputLine> SheetInputLines(std::string_view pgaItemText,
                                             std::string_view tgZoneItemText,
                                             const ParameterSet& p) {
  std::vector<ReportInputLine> lines = ReportInputLines(pgaItemText, tgZoneItemText, p);
  ReportInputLine& betaMax = lines.back();
  if (betaMax.caption.ends_with("(s)")) betaMax.caption.resize(betaMax.caption.size() - 3);
  return lines;
}

CalculationSheet MakeCalculationSheet(const ParameterSet& p, int siteClass,
                                      std::string calculatedAt, std::string project,
                                      std::string siteName) {
  CalculationSheet sheet;
  sheet.titleLine = ReportTitleLine();
  sheet.calculatedAt = std::move(calculatedAt);
  sheet.project = std::move(project);
  sheet.siteName = std::move(siteName);
  sheet.inputs = SheetInputLines(kPgaZoneItems[p.FPgaZoneIndex], kTgZoneItems[p.FTgZoneIndex], p);
  for (const ResultGrid grid : {ResultGrid::Pga, ResultGrid::Period, ResultGrid::Platform}) {
    sheet.grids.push_back({ResultGridCaption(grid), MakeResultGrid(grid, p)});
  }
  sheet.parameters = p;
  sheet.siteClass = siteClass;
  return sheet;
}

void PlotSheetChart(ChartPlot& chart, const CalculationSheet& sheet) {
  AddSpectrumSeries(chart);
  PlotSpectrumSeries(chart, sheet.parameters, sheet.siteClass);
  chart.FixBottomAxis({0, SamplePeriod(SpectrumPointCount - 1)});
  chart.SetPlainLegend(true);
}

std::string SheetProgramText() { return std::string("gb18306 ") + GB18306_VERSION; }

std::vector<SiteParameterRow> SiteParameterRows(const CalculationSheet& sheet) {
  std::vector<SiteParameterRow> rows;
  const int col = sheet.siteClass + 1;
  for (int row = 1; row < kGridRows; ++row) {
    auto cell = [&](std::size_t grid) {
      return grid < sheet.grids.size() ? sheet.grids[grid].grid.Cells(col, row) : std::string();
    };
    rows.push_back({kLevelLabels[row - 1], cell(0), cell(1), cell(2)});
  }
  return rows;
}

}  // namespace gb
