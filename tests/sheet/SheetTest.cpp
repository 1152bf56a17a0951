// The calculation sheet without a toolkit: its content, the method's texts, and its page laid
// out in millimetres with a fixed text measure.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TestSupport.h"
#include "sheet/CalculationSheet.h"
#include "sheet/SheetLayout.h"
#include "sheet/SheetMethod.h"

namespace gb {
namespace {

using namespace test;

// Every character as wide as a fifth of its points in millimetres, lines two fifths high; text
// wraps by characters.
class FixedSheetMeasure : public SheetMeasure {
 public:
  static double Glyphs(std::string_view utf8) {
    double n = 0;
    for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
  }
  double WidthMm(const SheetFont& font, std::string_view utf8) const override {
    return Glyphs(utf8) * font.points * 0.2;
  }
  double LineMm(const SheetFont& font) const override { return font.points * 0.4; }
  double HeightMm(const SheetFont& font, double widthMm, std::string_view utf8,
                  SheetFlow flow) const override {
    double lines = 0;
    std::size_t from = 0;
    do {
      const std::size_t end = std::min(utf8.find('\n', from), utf8.size());
      const double width = WidthMm(font, utf8.substr(from, end - from));
      lines += flow == SheetFlow::OneLine ? 1 : std::max(1.0, std::ceil(width / widthMm));
      from = end + 1;
    } while (from <= utf8.size());
    return lines * LineMm(font);
  }
};

constexpr double kWidth = kSheetPageWidth - kSheetMarginLeft - kSheetMarginRight;
constexpr double kHeight = kSheetPageHeight - kSheetMarginTop - kSheetMarginBottom;

double Bottom(const SheetItem& item) {
  return std::visit(
      [](const auto& i) {
        if constexpr (std::is_same_v<std::decay_t<decltype(i)>, SheetLine>) {
          return std::max(i.y0, i.y1);
        } else {
          return i.rect.y + i.rect.height;
        }
      },
      item);
}

template <typename Item>
std::vector<Item> All(const std::vector<SheetItem>& items) {
  std::vector<Item> found;
  for (const SheetItem& item : items) {
    if (const auto* i = std::get_if<Item>(&item)) found.push_back(*i);
  }
  return found;
}

// Whatever the texts, one page at a scale that fits, with no number wrapped or cut.
TEST(SheetLayout, OnePageWhoseNumbersNeverWrap) {
  const FixedSheetMeasure measure;
  const std::string huge(400, '9');
  CalculationSheet sheets[5];
  for (CalculationSheet& sheet : sheets) {
    sheet = MakeCalculationSheet(DefaultParameters(), scIII, "2026-01-02 03:04:05", "京沪线");
  }
  for (int row = 1; row < kGridRows; ++row)
    for (int col = 1; col < kGridColumns; ++col) sheets[1].grids[0].grid.Cells(col, row) = huge;
  sheets[2].project = std::string(3000, 'P');
  for (ReportInputLine& input : sheets[3].inputs) input.value = huge;
  for (int row = 1; row < kGridRows; ++row)
    sheets[4].grids[2].grid.Cells(1, row) = huge.substr(0, 40);
  for (const CalculationSheet& sheet : sheets) {
    const SheetPage page = LayOutSheet(sheet, measure, kWidth, kHeight);
    ASSERT_GT(page.scale, 0);
    double bottom = 0;
    for (const SheetItem& item : page.body) bottom = std::max(bottom, Bottom(item));
    EXPECT_LE(bottom * page.scale, kHeight + 1e-9) << sheet.project.size();
    // Down to the smallest type; 400 digits are wider than a column even at that.
    for (const SheetText& text : All<SheetText>(page.body)) {
      if (!text.cell || text.flow != SheetFlow::OneLine || text.font.points <= 1) continue;
      EXPECT_LE(measure.WidthMm(text.font, text.utf8), text.rect.width + 1e-9) << text.utf8;
    }
    EXPECT_EQ(All<SheetChart>(page.body).size(), 1u);
  }
  // The 40 digits took a smaller type than the other tables' 8 points.
  const SheetPage page = LayOutSheet(sheets[4], measure, kWidth, kHeight);
  for (const SheetText& text : All<SheetText>(page.body)) {
    if (text.utf8 == huge.substr(0, 40)) {
      EXPECT_LT(text.font.points, 8);
    } else if (text.utf8 == "0.0360") {
      EXPECT_EQ(text.font.points, 8);
    }
  }
}

// A sheet a little too long first gets a lower chart, at full size.
TEST(SheetLayout, TheChartGivesWayBeforeEverythingShrinks) {
  const FixedSheetMeasure measure;
  const CalculationSheet sheet = MakeCalculationSheet(DefaultParameters(), scII, "now");
  const SheetPage roomy = LayOutSheet(sheet, measure, kWidth, 1000);
  double full = 0;
  for (const SheetItem& item : roomy.body) full = std::max(full, Bottom(item));
  const SheetPage tight = LayOutSheet(sheet, measure, kWidth, full - 10);
  EXPECT_EQ(tight.scale, 1);
  EXPECT_NEAR(All<SheetChart>(tight.body).front().rect.height,
              All<SheetChart>(roomy.body).front().rect.height - 10, 1e-6);
  const SheetPage small = LayOutSheet(sheet, measure, kWidth, full / 2);
  EXPECT_LT(small.scale, 1);
  EXPECT_EQ(All<SheetChart>(small.body).front().rect.height, 40);
  // The footer stays below the text area, at full size.
  EXPECT_GT(All<SheetLine>(small.footer).front().y0, full / 2);
}

TEST(CalculationSheet, SiteTableTakesTheChosenColumnOfTheGrids) {
  const CalculationSheet sheet = MakeCalculationSheet(DefaultParameters(), scI0, "");
  const std::vector<SiteParameterRow> rows = SiteParameterRows(sheet);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[lvBasic].level, "基本地震动");
  EXPECT_EQ(rows[lvBasic].pga, "0.0360");
  EXPECT_EQ(rows[lvBasic].period, "0.2000");
  EXPECT_EQ(rows[lvBasic].platform, "0.0900");
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
