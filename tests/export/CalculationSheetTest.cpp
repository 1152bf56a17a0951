// The calculation sheet read back as a reader (pdftotext) and a printer (pdffonts) see it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>
#include <functional>

#include "TestSupport.h"
#include "chart/ResponseChart.h"
#include "export/CalculationSheet.h"
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

}  // namespace
}  // namespace gb
