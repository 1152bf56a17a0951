#include "cli/RunCli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "TestSupport.h"
#include "report/SaveReport.h"

namespace gb {
namespace {

std::string ReportOnStdout(std::vector<std::string_view> args) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli(args, out, err), kExitSuccess) << err.str();
  return out.str();
}

// The report on the standard output is the very byte string the window saves, and a comma
// locale must neither reject "2.9" nor write "0,0120".
TEST(RunCli, ReportIsTheSavedReportWhateverTheSeparators) {
  const ParameterSet p = test::DefaultParameters();
  const test::ResultGrids grids(p);
  for (const char* codePage : {"GBK", "UTF-8"}) {
    const std::string saved =
        ReportBytes(codePage, "0.05", "0.35", p, grids.pga, grids.period, grids.platform, scII);
    DecimalSeparator = u',';
    ThousandSeparator = u'.';
    EXPECT_TRUE(ReportOnStdout({"--encoding", codePage, "--report", "-"}) == saved) << codePage;
  }
}

TEST(RunCli, InputsReachTheReport) {
  const std::vector<std::string> lines =
      test::SplitCrLf(ReportOnStdout({"--pga=0.20", "--zone", "0.45", "--k1", "3.5", "--site", "I0",
                                      "--report", "-", "--encoding", "UTF-8"}));
  ASSERT_EQ(lines.size(), 273u);
  EXPECT_EQ(lines[4], "II类场地地震动峰值加速度(g),0.20");
  EXPECT_EQ(lines[5], "II类场地地震动加速度反应谱特征周期(s),0.45");
  EXPECT_EQ(lines[6], "II类场地极罕遇地震动峰值加速度缩放系数K1,3.5");
  // Class I0 of 0.20 g, 0.38 g and 0.70 g: Fa 0.76, 0.89 (between rows) and 0.90 (last row).
  EXPECT_TRUE(lines[32].starts_with("0.0000,")) << lines[32];
  EXPECT_TRUE(lines[32].ends_with(",0.1520,0.3382,0.6300")) << lines[32];
}

}  // namespace
}  // namespace gb
