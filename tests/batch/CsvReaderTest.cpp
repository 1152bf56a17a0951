#include "batch/CsvReader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "batch/BatchErrors.h"

namespace gb {
namespace {

using Records = std::vector<std::vector<std::string>>;

struct ReadCase {
  const char* name;
  std::string input;
  Records records;
  std::vector<long long> lines;  // where each record begins
};

std::pair<Records, std::vector<long long>> ReadAll(const std::string& input, bool skipBom = true) {
  std::istringstream in(input);
  CsvReader reader(in);
  if (skipBom) reader.SkipByteOrderMark();
  Records records;
  std::vector<long long> lines;
  std::vector<std::string> fields;
  while (reader.Next(fields)) {
    records.push_back(fields);
    lines.push_back(reader.RecordLine());
  }
  return {records, lines};
}

class CsvReading : public testing::TestWithParam<ReadCase> {};

TEST_P(CsvReading, RecordsAndTheirLines) {
  const ReadCase& c = GetParam();
  const auto [records, lines] = ReadAll(c.input);
  EXPECT_EQ(records, c.records);
  EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rfc4180, CsvReading,
    testing::Values(
        ReadCase{"Lf", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        ReadCase{"CrLf", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        ReadCase{"LoneCr", "a,b\r1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        ReadCase{"NoFinalLineEnd", "a\n1", {{"a"}, {"1"}}, {1, 2}},
        ReadCase{"EmptyCells", ",x,\n", {{"", "x", ""}}, {1}},
        ReadCase{"QuotedComma", "\"a,b\",c\n", {{"a,b", "c"}}, {1}},
        ReadCase{"DoubledQuote", "\"say \"\"hi\"\"\"\n", {{"say \"hi\""}}, {1}},
        ReadCase{"EmptyQuoted", "\"\",\"\"\n", {{"", ""}}, {1}},
        ReadCase{"LineBreakInQuotes",
                 "id,name\n1,\"two\r\nlines\"\n2,x\n",
                 {{"id", "name"}, {"1", "two\r\nlines"}, {"2", "x"}},
                 {1, 2, 4}},
        ReadCase{"BareQuoteInsideText", "5\" pipe,x\n", {{"5\" pipe", "x"}}, {1}},
        ReadCase{"BlankLinesAreNoRecords", "a\n\n\r\n1\n\n", {{"a"}, {"1"}}, {1, 4}},
        ReadCase{"ByteOrderMark", "\xEF\xBB\xBFpga\n", {{"pga"}}, {1}},
        ReadCase{"MarkOnlyAtTheStart", "a\n\xEF\xBB\xBF\n", {{"a"}, {"\xEF\xBB\xBF"}}, {1, 2}},
        ReadCase{"Empty", "", {}, {}},
        ReadCase{
            "GbkBytesPassThrough", "\xB5\xD8,\"\xC3\xFB\"\n", {{"\xB5\xD8", "\xC3\xFB"}}, {1}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(CsvReader, MarkIsKeptWhenNotAskedToSkip) {
  EXPECT_EQ(ReadAll("\xEF\xBB\xBFpga\n", false).first, (Records{{"\xEF\xBB\xBFpga"}}));
}

// A record far longer than the read buffer comes through whole.
TEST(CsvReader, RecordsSpanningBufferRefills) {
  const std::string longText(200000, 'x');
  const auto [records, lines] = ReadAll("h\n\"" + longText + "\n\"\"\"\n2\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1][0], longText + "\n\"");
  EXPECT_EQ(lines, (std::vector<long long>{1, 2, 4}));
}

struct BadCase {
  const char* name;
  std::string input;
  long long line;
  std::string message;
};

class CsvMalformed : public testing::TestWithParam<BadCase> {};

TEST_P(CsvMalformed, StopsWithTheLine) {
  const BadCase& c = GetParam();
  try {
    ReadAll(c.input);
    FAIL() << "no error";
  } catch (const EBatchFormat& e) {
    EXPECT_EQ(e.Line(), c.line);
    EXPECT_EQ(e.Message(), c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CsvMalformed,
    testing::Values(BadCase{"Unterminated", "a\n1\n\"open\nmore\n", 3, "unterminated quoted field"},
                    BadCase{"TextAfterQuote", "a\n\"x\"y\n", 2, "text after a closing quote"},
                    BadCase{"Nul", std::string("a\n1\n2\0", 7), 3,
                            "a NUL byte: the input is not text in an ASCII-compatible code page"},
                    BadCase{"Utf16", std::string("p\0g\0a\0", 6), 1,
                            "a NUL byte: the input is not text in an ASCII-compatible code page"}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gb
