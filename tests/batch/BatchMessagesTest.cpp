#include "batch/BatchMessages.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(BatchMessages, FailedRows) {
  BatchSummary summary;
  summary.failedRows = 12;
  summary.firstFailedLine = 5;
  summary.firstError = "'abc' is not a valid floating point value.";
  EXPECT_EQ(FailedRowsText(summary),
            "12 行出错; 第 5 行: 'abc' is not a valid floating point value.");
}

TEST(BatchMessages, ResultFileBesideTheInput) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/u/sites.csv", "/home/u/sites-结果.csv"},
      {"/home/u/线路.v2.CSV", "/home/u/线路.v2-结果.csv"},
      {"/home/u.d/sites", "/home/u.d/sites-结果.csv"},
      {"/home/u/.sites", "/home/u/.sites-结果.csv"},
      {"sites.csv", "sites-结果.csv"},
  };
  for (const auto& [input, result] : cases) EXPECT_EQ(ResultFileName(input), result) << input;
}

}  // namespace
}  // namespace gb
