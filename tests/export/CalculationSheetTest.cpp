// The calculation sheet read back as a reader (pdftotext) and a printer (pdffonts) see it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>
#include <functional>

#include "TestSupport.h"
#include "chart/ResponseChart.h"
#include "export/CalculationSheet.h"
#include "export/SheetMethod.h"
#include "tests/support/PopplerTools.h"

namespace gb {
namespace {

using namespace test;

struct SheetFixture {
  explicit SheetFixture(const ParameterSet& parameters, int siteClass = scIII)
      : p(parameters),
        grids(p),
        sheet(MakeCalculationSheet(p, siteClass, "2026-01-02 03:04:05", "京沪线", "K12+300")) {}
  ParameterSet p;
  ResultGrids grids;
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

// Whatever the texts, one page: long numbers get a smaller type rather than a second line, and
// long names wrap and shrink the whole.
TEST(CalculationSheet, OverlongTextsStayOnOnePage) {
  const std::string huge(400, '9');
  const std::function<void(SheetFixture&)> changes[] = {
      [&](SheetFixture& f) {
        for (int row = 1; row < kGridRows; ++row)
          for (int col = 1; col < kGridColumns; ++col) f.sheet.grids[0].grid.Cells(col, row) = huge;
      },
      [&](SheetFixture& f) { f.sheet.project = std::string(3000, 'P'); },
      [&](SheetFixture& f) {
        for (ReportInputLine& input : f.sheet.inputs) input.value = huge;
      },
  };
  for (const auto& change : changes) {
    SheetFixture f(DefaultParameters());
    change(f);
    EXPECT_EQ(PageCount(f.sheet), 1);
  }
}

// What a calculation book states besides the numbers, and the numbers of the method.
TEST(CalculationSheet, MethodStandardAndSignOff) {
  const SheetFixture f(DefaultParameters());
  const TempFolder folder;
  const auto text = ToolOutput("pdftotext", "-enc UTF-8", SavedPdf(folder, f.sheet), "-");
  if (!text) GTEST_SKIP() << "pdftotext is not installed";
  for (const char* fixed :
       {"计算方法", "GB 18306-2015", "T0 = 0.1 s", "βm = 2.5", "γ = 0.9", "(Tg/T)^γ", "Fa",
        "0.7380", "计算：", "校对：", "审核：", "京沪线", "K12+300"}) {
    EXPECT_NE(text->find(fixed), std::string::npos) << fixed;
  }
  // The sheet draws its own spectra: four curves of its class, whatever a screen hides.
  EXPECT_NE(text->find("极罕遇地震动"), std::string::npos);
}

// Names are cut where long, and isolated so that a right-to-left name keeps the captions whole.
TEST(SheetMethod, NameTexts) {
  const std::string fsi = "\u2068", pdi = "\u2069";
  EXPECT_EQ(SheetNameText("京沪线"), fsi + "京沪线" + pdi);
  EXPECT_EQ(SheetNameText(std::string(61, 'W')), fsi + std::string(60, 'W') + "…" + pdi);
  std::string chinese;
  for (int i = 0; i < 70; ++i) chinese += "路";
  EXPECT_EQ(SheetNameText(chinese), fsi + chinese.substr(0, 60 * 3) + "…" + pdi);
  EXPECT_EQ(SheetNameText(std::string(60, 'W')), fsi + std::string(60, 'W') + pdi);
}

TEST(SheetMethod, CoefficientsAndTexts) {
  const ParameterSet p = DefaultParameters();
  const std::vector<SiteCoefficientRow> rows = SiteCoefficientRows(p);
  ASSERT_EQ(rows.size(), 4u);
  // Site-class-II values 0.016665, 0.05, 0.095 and 0.145 g; the grids' A is Fa times them.
  const char* const i0[] = {"0.7200", "0.7200", "0.7380", "0.7490"};
  const char* const iv[] = {"1.2500", "1.2500", "1.2050", "1.1100"};
  for (int l = 0; l < kLevelCount; ++l) {
    EXPECT_EQ(rows[l].level, kLevelLabels[l]);
    EXPECT_EQ(rows[l].fa[scI0], i0[l]) << l;
    EXPECT_EQ(rows[l].fa[scII], "1.0000") << l;
    EXPECT_EQ(rows[l].fa[scIV], iv[l]) << l;
  }
  const std::vector<std::string> lines = SheetMethodLines(p);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_NE(lines[2].find("K1·α = 2.9 × 0.05"), std::string::npos) << lines[2];
  EXPECT_NE(lines[3].find("罕遇地震动加 0.05 s"), std::string::npos) << lines[3];
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
