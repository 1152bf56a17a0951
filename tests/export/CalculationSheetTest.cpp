// The calculation sheet read back as a reader (pdftotext) and a printer (pdffonts) see it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>

#include "TestSupport.h"
#include "export/CalculationSheet.h"
#include "export/ResponseChart.h"
#include "tests/support/PopplerTools.h"

namespace gb {
namespace {

using namespace test;

struct SheetFixture {
  explicit SheetFixture(const ParameterSet& parameters, int siteClass = scIII)
      : p(parameters), grids(p) {
    AddSpectrumSeries(chart);
    PlotSpectrumSeries(chart, p, siteClass);
    sheet.titleLine = ReportTitleLine();
    sheet.calculatedAt = "2026-01-02 03:04:05";
    sheet.inputs = SheetInputLines("0.20", "0.40", p);
    sheet.grids = {{ResultGridCaption(ResultGrid::Pga), grids.pga},
                   {ResultGridCaption(ResultGrid::Period), grids.period},
                   {ResultGridCaption(ResultGrid::Platform), grids.platform}};
    sheet.siteClass = siteClass;
    sheet.chart = &chart;
  }
  ParameterSet p;
  ResultGrids grids;
  ChartPlot chart;
  CalculationSheet sheet;
};

int PageCount(const CalculationSheet& sheet) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(1200);
  PrepareSheetPages(pdf);
  return PaintCalculationSheet(pdf, sheet);
}

std::string SavedPdf(const TempFolder& folder, const CalculationSheet& sheet) {
  const std::filesystem::path file = folder / "sheet.pdf";
  const QByteArray bytes = CalculationSheetPdf(sheet);
  WriteFile(file, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return file.string();
}

TEST(CalculationSheet, OnePageUnder400KilobytesWithEveryFontEmbedded) {
  const SheetFixture f(DefaultParameters());
  EXPECT_EQ(PageCount(f.sheet), 1);
  const QByteArray pdf = CalculationSheetPdf(f.sheet);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_LT(pdf.size(), 400 * 1024);
  const TempFolder folder;
  const auto fonts = ToolOutput("pdffonts", "", SavedPdf(folder, f.sheet));
  if (!fonts) GTEST_SKIP() << "pdffonts is not installed";
  EXPECT_TRUE(EveryFontEmbedded(*fonts)) << *fonts;
}

// Every number is the grid's or the report's text, in reading order; the CJK texts copy out as
// the characters drawn, not as look-alike radicals.
TEST(CalculationSheet, TextReadsBackAsTheGridAndReportTexts) {
  const SheetFixture f(DefaultParameters());
  const TempFolder folder;
  const auto text = ToolOutput("pdftotext", "-enc UTF-8", SavedPdf(folder, f.sheet), "-");
  if (!text) GTEST_SKIP() << "pdftotext is not installed";
  const std::vector<std::string> words = Words(*text);
  std::vector<std::string> inputs;
  for (const ReportInputLine& input : f.sheet.inputs) inputs.push_back(input.value);
  EXPECT_TRUE(InOrder(words, inputs)) << *text;
  for (const GridTexts* grid : {&f.grids.pga, &f.grids.period, &f.grids.platform}) {
    std::vector<std::string> cells;
    for (int row = 0; row < kGridRows; ++row)
      for (int col = 0; col < kGridColumns; ++col)
        if (!grid->Cells(col, row).empty()) cells.push_back(grid->Cells(col, row));
    EXPECT_TRUE(InOrder(words, cells)) << *text;
  }
  for (const char* fixed :
       {"地震动参数计算书", "输入参数", "2026-01-02", "03:04:05", "WWW.example.org)",
        "地震动加速度放大系数反应谱的平台值", "第", "页，共", "T0", "0.1"}) {
    EXPECT_NE(text->find(fixed), std::string::npos) << fixed;
  }
  EXPECT_EQ(text->find("平台值(s)"), std::string::npos);
  // The site class's table: the level, then its A, Tg and platform from the grids' column.
  for (int l = 0; l < kLevelCount; ++l) {
    EXPECT_TRUE(InOrder(
        words, {kLevelLabels[l], f.grids.pga.Cells(scIII + 1, l + 1),
                f.grids.period.Cells(scIII + 1, l + 1), f.grids.platform.Cells(scIII + 1, l + 1)}));
  }
}

TEST(CalculationSheet, SiteTableTakesTheChosenColumnOfTheGrids) {
  const SheetFixture f(DefaultParameters(), scI0);
  const std::vector<SiteParameterRow> rows = SiteParameterRows(f.sheet);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[lvBasic].level, "基本地震动");
  EXPECT_EQ(rows[lvBasic].pga, "0.0360");
  EXPECT_EQ(rows[lvBasic].period, "0.2000");
  EXPECT_EQ(rows[lvBasic].platform, "0.0900");
}

// Texts far too long for their cells wrap instead of running into their neighbours, and a block
// that no longer fits moves to a further page.
TEST(CalculationSheet, OverlongTextsWrapOntoFurtherPages) {
  SheetFixture f(DefaultParameters());
  const std::string huge(400, '9');
  for (int row = 1; row < kGridRows; ++row)
    for (int col = 1; col < kGridColumns; ++col) f.sheet.grids[0].grid.Cells(col, row) = huge;
  EXPECT_GE(PageCount(f.sheet), 2);
  EXPECT_FALSE(CalculationSheetPdf(f.sheet).isEmpty());
}

// βm is a ratio: the sheet drops the report's "(s)" from its caption, and only from it.
TEST(CalculationSheet, InputCaptionsAreTheReportsButBetaMaxHasNoUnit) {
  const ParameterSet p = DefaultParameters();
  const std::vector<ReportInputLine> report = ReportInputLines("0.05", "0.35", p);
  const std::vector<ReportInputLine> sheet = SheetInputLines("0.05", "0.35", p);
  ASSERT_EQ(sheet.size(), 8u);
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(sheet[i].caption, report[i].caption) << i;
  EXPECT_EQ(report[7].caption, "地震动加速度放大系数反应谱的平台值(s)");
  EXPECT_EQ(sheet[7].caption, "地震动加速度放大系数反应谱的平台值");
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(sheet[i].value, report[i].value) << i;
}

TEST(CalculationSheet, NamesTheProgramAndVersion) {
  EXPECT_TRUE(SheetProgramText().starts_with("gb18306 "));
  EXPECT_GT(SheetProgramText().size(), std::string("gb18306 ").size());
}

}  // namespace
}  // namespace gb
