// Spreadsheet text of a selection and of all results.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "report/SpreadsheetText.h"

namespace gb {
namespace {

using namespace test;

TEST(SpreadsheetText, SelectionsBecomeCaptionedTables) {
  const GridTexts pga = ResultGrids(DefaultParameters()).pga;
  const struct {
    const char* what;
    std::vector<std::pair<int, int>> cells;  // (column, row)
    std::string text;
  } kCases[] = {
      {"one cell", {{3, 2}}, "\tII\n基本地震动\t0.0500\n"},
      {"a block, given in any order",
       {{2, 2}, {1, 1}, {2, 1}, {1, 2}},
       "\tI0\tI1\n多遇地震动\t0.0120\t0.0133\n基本地震动\t0.0360\t0.0400\n"},
      {"apart: the cells between stay empty",
       {{1, 1}, {5, 4}},
       "\tI0\tIV\n多遇地震动\t0.0120\t\n极罕遇地震动\t\t0.1610\n"},
      {"header cells are not data", {{0, 1}, {1, 0}, {0, 0}}, ""},
      {"nothing", {}, ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(GridSelectionText(pga, c.cells), c.text) << c.what;
}

TEST(SpreadsheetText, AllResultsAreInputsAndThreeTablesBetweenBlankLines) {
  const ParameterSet p = DefaultParameters();
  const ResultGrids grids(p);
  const std::string text =
      AllResultsText(ReportInputLines("0.05", "0.35", p),
                     {{"A", grids.pga}, {"B", grids.period}, {"C", grids.platform}});
  EXPECT_TRUE(
      text.starts_with("输入参数\nII类场地地震动峰值加速度(g)\t0.05\n"
                       "II类场地地震动加速度反应谱特征周期(s)\t0.35\n"
                       "II类场地极罕遇地震动峰值加速度缩放系数K1\t2.9\n"));
  EXPECT_NE(
      text.find(
          "\n\nA\n\tI0\tI1\tII\tIII\tIV\n多遇地震动\t0.0120\t0.0133\t0.0167\t0.0217\t0.0208\n"),
      std::string::npos);
  EXPECT_NE(text.find("\n\nC\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("极罕遇地震动\t0.2715\t0.3005\t0.3625\t0.4205\t0.4024\n"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 8 + 3 * (1 + 1 + 5));
}

}  // namespace
}  // namespace gb
