#include "report/ReportLines.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/TextEncoding.h"
#include "report/SaveReport.h"

namespace gb {
namespace {

using namespace test;

constexpr struct {
  int number;  // 1-based, as an editor counts
  const char* text;
} kDefaultReportLines[] = {
    {1, "GB 18306-2015《地震动参数区划图》地震动参数计算 (by Varnelo WWW.example.org)"},
    {2, ""},
    {3, ""},
    {4, "输入参数"},
    {5, "II类场地地震动峰值加速度(g),0.05"},
    {6, "II类场地地震动加速度反应谱特征周期(s),0.35"},
    {7, "II类场地极罕遇地震动峰值加速度缩放系数K1,2.9"},
    {8, "II类场地罕遇地震动峰值加速度缩放系数K2,1.9"},
    {9, "II类场地多遇地震动峰值加速度缩放系数K3,0.3333"},
    {10, "罕遇地震动加速度反应谱特征周期增加值(s),0.05"},
    {11, "极罕遇地震动加速度反应谱特征周期增加值(s),0.05"},
    {12, "地震动加速度放大系数反应谱的平台值(s),2.5"},
    {13, "地震动峰值加速度计算结果(g)"},
    {14, ",I0,I1,II,III,IV,"},
    {15, "多遇地震动,0.0120,0.0133,0.0167,0.0217,0.0208,"},
    {16, "基本地震动,0.0360,0.0400,0.0500,0.0650,0.0625,"},
    {17, "罕遇地震动,0.0701,0.0777,0.0950,0.1192,0.1145,"},
    {18, "极罕遇地震动,0.1086,0.1202,0.1450,0.1682,0.1610,"},
    {19, "地震动峰值加速度反应谱特征周期计算结果(s)"},
    {20, ",I0,I1,II,III,IV,"},
    {21, "多遇地震动,0.2000,0.2500,0.3500,0.4500,0.6500,"},
    {22, "基本地震动,0.2000,0.2500,0.3500,0.4500,0.6500,"},
    {23, "罕遇地震动,0.2500,0.3000,0.4000,0.5000,0.7000,"},
    {24, "极罕遇地震动,0.2500,0.3000,0.4000,0.5000,0.7000,"},
    {25, "地震动加速度反应谱平台值(g)"},
    {26, ",I0,I1,II,III,IV,"},
    {27, "多遇地震动,0.0300,0.0333,0.0417,0.0542,0.0521,"},
    {28, "基本地震动,0.0900,0.1000,0.1250,0.1625,0.1563,"},
    {29, "罕遇地震动,0.1753,0.1943,0.2375,0.2981,0.2862,"},
    {30, "极罕遇地震动,0.2715,0.3005,0.3625,0.4205,0.4024,"},
    {31, "反应谱"},
    {32, "周期(s),多遇地震加速度谱(g),基本地震加速度谱(g),罕遇地震加速度谱(g),极罕遇地震加速度谱"},
    {33, "0.0000,0.0167,0.0500,0.0950,0.1450"},
    {273, "6.0000,0.0032,0.0097,0.0208,0.0317"},
};

TEST(ReportLines, DefaultInputsGiveTheKnownReport) {
  const ParameterSet p = DefaultParameters();
  const ResultGrids grids(p);
  const std::string text = JoinReportLines(
      BuildReportLines({"0.05", "0.35", p, grids.pga, grids.period, grids.platform, scII}));
  EXPECT_TRUE(text.ends_with("6.0000,0.0032,0.0097,0.0208,0.0317\r\n"));
  const std::vector<std::string> lines = SplitCrLf(text);
  ASSERT_EQ(lines.size(), 273u);
  for (const auto& expected : kDefaultReportLines) {
    EXPECT_EQ(lines[expected.number - 1], expected.text) << "line " << expected.number;
  }
}

// After an interrupted calculation the window's texts no longer match the parameter set; the
// report shows them as they stand. Only the spectrum follows the parameter set and site class.
TEST(ReportLines, CopiesTheGivenTextsAndFollowsTheSiteClass) {
  const ParameterSet p = DefaultParameters();
  ResultGrids grids(p);
  grids.pga.Cells(3, 1) = "stale";
  grids.platform.Cells(0, 0) = "corner";
  const std::vector<std::string> lines =
      BuildReportLines({"0.40", "0.45", p, grids.pga, grids.period, grids.platform, scIII});
  EXPECT_EQ(lines[4], "II类场地地震动峰值加速度(g),0.40");
  EXPECT_EQ(lines[5], "II类场地地震动加速度反应谱特征周期(s),0.45");
  EXPECT_EQ(lines[14], "多遇地震动,0.0120,0.0133,stale,0.0217,0.0208,");
  EXPECT_EQ(lines[25], "corner,I0,I1,II,III,IV,");
  EXPECT_EQ(lines[32], "0.0000,0.0217,0.0650,0.1192,0.1682");  // class III peak accelerations
}

// Faults surface before anything is written: the former report stays byte for byte.
TEST(ReportLines, FaultsLeaveTheFormerReportAlone) {
  const ParameterSet defaults = DefaultParameters();
  const ResultGrids grids(defaults);
  ParameterSet overflow = defaults;
  overflow.FBetaMax = 1e308;
  overflow.FPga[lvRare][scII] = 10;
  ParameterSet negativePeriod = defaults;
  negativePeriod.FTg[lvVeryRare][scII] = -0.5;
  const TempFolder folder;
  WriteFile(folder / "r.csv", "former");
  const auto save = [&](const char* codePage, const ParameterSet& p) {
    SaveReport(folder / "r.csv", codePage,
               {"0.05", "0.35", p, grids.pga, grids.period, grids.platform, scII});
  };
  EXPECT_THROW(save("GBK", overflow), EOverflow);
  EXPECT_THROW(save("GBK", negativePeriod), EInvalidOp);
  EXPECT_THROW(save("NO-SUCH-CODE-PAGE", defaults), EUnknownCodePage);
  EXPECT_EQ(ReadFile(folder / "r.csv"), "former");
  EXPECT_EQ(Entries(folder.Path()), std::set<std::string>{"r.csv"});
}

}  // namespace
}  // namespace gb
