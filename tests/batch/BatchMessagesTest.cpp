#include "batch/BatchMessages.h"

#include <gtest/gtest.h>

#include "batch/BatchRowWriter.h"
#include "text/NumberSeparators.h"

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

TEST(BatchMessages, LostText) {
  BatchSummary summary;
  summary.rowsWithLostText = 3;
  summary.firstLostLine = 7;
  summary.firstLost = LostTextMessage("id", "GBK");
  EXPECT_EQ(LostTextRowsText(summary, "GBK"),
            "3 行的文字含 GBK 无法表示的字符, 已写作 \"?\"; 第 7 行: column \"id\": characters GBK "
            "cannot represent were written as \"?\"");
}

// A share of the bytes read and the rows done, grouped as the locale groups.
TEST(BatchMessages, Progress) {
  const struct {
    long long rows, bytes, total;
    char16_t thousands;
    const char* text;
  } cases[] = {
      {2810880, 52428800, 104857600, u',', "已计算 50% (2,810,880 行)"},
      {2810880, 104857600, 104857600, u'\0', "已计算 100% (2810880 行)"},
      {12, 0, 5000, u',', "已计算 0% (12 行)"},
      {1234, 9000, 0, u'.', "已计算 1.234 行"},   // the standard input: no size
      {5, 900, 800, u',', "已计算 100% (5 行)"},  // a file that grew meanwhile
  };
  const char16_t decimal = DecimalSeparator, thousands = ThousandSeparator;
  for (const auto& c : cases) {
    ThousandSeparator = c.thousands;
    DecimalSeparator = c.thousands == u'.' ? u',' : u'.';
    EXPECT_EQ(BatchProgressText(c.rows, c.bytes, c.total), c.text);
  }
  DecimalSeparator = decimal;
  ThousandSeparator = thousands;
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
