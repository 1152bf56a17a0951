#include "cli/ResultTables.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "cli/DisplayWidth.h"

namespace gb {
namespace {

TEST(DisplayWidth, WideCharactersTakeTwoColumns) {
  const struct {
    const char* text;
    int width;
  } kCases[] = {
      {"0.0120", 6}, {"极罕遇地震动", 12}, {"(g)《》", 7},  {"ＡＢ", 4},
      {"é", 1},      {"a\xFF!", 3},        {"\xE5\x9C", 1}, {"𠀀", 2},
  };
  for (const auto& c : kCases) EXPECT_EQ(DisplayWidth(c.text), c.width) << c.text;
}

TEST(ResultTables, AlignedByDisplayWidth) {
  const std::string tables = FormatResultTables(test::DefaultParameters());
  EXPECT_TRUE(
      tables.starts_with("地震动峰值加速度 (g)\n"
                         "                  I0      I1      II     III      IV\n"
                         "多遇地震动    0.0120  0.0133  0.0167  0.0217  0.0208\n"
                         "基本地震动    0.0360  0.0400  0.0500  0.0650  0.0625\n"
                         "罕遇地震动    0.0701  0.0777  0.0950  0.1192  0.1145\n"
                         "极罕遇地震动  0.1086  0.1202  0.1450  0.1682  0.1610\n"
                         "\n地震动加速度反应谱特征周期 (s)\n"));
  EXPECT_TRUE(
      tables.ends_with("\n\n地震动加速度反应谱平台值 (g)\n"
                       "                  I0      I1      II     III      IV\n"
                       "多遇地震动    0.0300  0.0333  0.0417  0.0542  0.0521\n"
                       "基本地震动    0.0900  0.1000  0.1250  0.1625  0.1563\n"
                       "罕遇地震动    0.1753  0.1943  0.2375  0.2981  0.2862\n"
                       "极罕遇地震动  0.2715  0.3005  0.3625  0.4205  0.4024\n"));
}

}  // namespace
}  // namespace gb
