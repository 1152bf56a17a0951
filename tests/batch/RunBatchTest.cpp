#include "batch/RunBatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "CsvRecords.h"
#include "DesignedBatchSettings.h"
#include "batch/BatchErrors.h"
#include "text/NumberSeparators.h"

namespace gb {
namespace {

struct Recorder : BatchObserver {
  std::vector<std::pair<long long, std::string>> failures;
  long long stopAfter = -1;
  long long lastProgress = 0;
  void RowFailed(long long line, const std::string& message, const std::string& context) override {
    failures.emplace_back(line, message);
    contexts.push_back(context);
  }
  std::vector<std::string> contexts;
  std::function<void()> onProgress;
  bool Progress(long long rows, long long bytes) override {
    if (onProgress) onProgress();
    lastProgress = rows;
    lastBytes = bytes;
    return stopAfter < 0 || rows < stopAfter;
  }
  void TextLost(long long line, const std::string& message) override {
    lost.emplace_back(line, message);
  }
  std::vector<std::pair<long long, std::string>> lost;
  long long lastBytes = 0;
};

BatchSettings Defaults(BatchFormat format = BatchFormat::Csv) {
  return test::DesignedBatchSettings(format);
}

struct Output {
  std::string text;
  BatchSummary summary;
  Recorder recorder;
};

Output RunOn(const std::string& input, const BatchSettings& settings = Defaults(),
             long long stopAfter = -1, std::function<void()> onProgress = {}) {
  Output output;
  output.recorder.stopAfter = stopAfter;
  output.recorder.onProgress = std::move(onProgress);
  std::istringstream in(input);
  output.summary = RunBatch(
      in, settings, [&](std::string_view bytes) { output.text.append(bytes); }, output.recorder);
  return output;
}

using test::Records;

TEST(RunBatch, CsvCarriesOtherColumnsAndWritesTheGrids) {
  const Output out = RunOn("id,pga,name,zone\r\n7,0.05,\"A, B\",0.35\r\n");
  const auto records = Records(out.text);
  ASSERT_EQ(records.size(), 2u);
  ASSERT_EQ(records[0].size(), 4u + 1 + 60);
  EXPECT_EQ(records[0][4], "error");
  EXPECT_EQ(records[0][5], "pga_frequent_I0");
  const std::vector<std::string>& row = records[1];
  EXPECT_EQ(std::vector<std::string>(row.begin(), row.begin() + 5),
            (std::vector<std::string>{"7", "0.05", "A, B", "0.35", ""}));
  // The designed inputs: PGA frequent I0, basic II, very rare IV; Tg rare III; platform basic IV.
  EXPECT_EQ(row[5 + 0], "0.0120");
  EXPECT_EQ(row[5 + 5 + 2], "0.0500");
  EXPECT_EQ(row[5 + 15 + 4], "0.1610");
  EXPECT_EQ(row[5 + 20 + 10 + 3], "0.5000");
  EXPECT_EQ(row[5 + 40 + 5 + 4], "0.1563");
  EXPECT_TRUE(out.text.ends_with("\r\n"));
  EXPECT_EQ(out.summary.rows, 1);
  EXPECT_EQ(out.summary.failedRows, 0);
}

struct RowCase {
  const char* name;
  std::string row;  // under the header pga,zone,k1,k2,beta_max,rare_tg_increment
  std::string error;
  std::string pgaRareII;  // pga_rare_II, empty when the row fails
};

class BatchRows : public testing::TestWithParam<RowCase> {};

TEST_P(BatchRows, ErrorOrResult) {
  const RowCase& c = GetParam();
  const Output out = RunOn("pga,zone,k1,k2,beta_max,rare_tg_increment\n" + c.row + "\n");
  const auto records = Records(out.text);
  ASSERT_EQ(records.size(), 2u);
  const std::vector<std::string>& row = records[1];
  ASSERT_EQ(row.size(), 6u + 1 + 60);
  EXPECT_EQ(row[6], c.error);
  EXPECT_EQ(row[7 + 10 + 2], c.pgaRareII);
  for (int i = 7; i < 67; ++i) EXPECT_EQ(row[i].empty(), !c.error.empty()) << i;
  if (c.error.empty()) {
    EXPECT_TRUE(out.recorder.failures.empty());
  } else {
    EXPECT_EQ(out.recorder.failures,
              (std::vector<std::pair<long long, std::string>>{{2, c.error}}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchRows,
    testing::Values(
        RowCase{"Defaults", "0.10,0.40,,,,", "", "0.1900"},
        RowCase{"ShortItemText", "0.1,0.4,,,,", "", "0.1900"},
        RowCase{"OwnK2", "0.10,0.40,,2,,", "", "0.2000"},
        RowCase{"MissingCellsAreEmpty", "0.10,0.40", "", "0.1900"},
        RowCase{"BadItem", "0.25,0.40,,,,",
                "'0.25' is not a choice of pga; choose one of 0.05, 0.10, 0.15, 0.20, 0.30, 0.40.",
                ""},
        RowCase{"EmptyZone", "0.10,,,,,",
                "'' is not a choice of zone; choose one of 0.35, 0.40, 0.45.", ""},
        RowCase{"BadFactor", "0.10,0.40,abc,,,", "'abc' is not a valid floating point value.", ""},
        RowCase{"TrimmedInMessage", "0.10,0.40,,\" 0.3x \",,",
                "'0.3x' is not a valid floating point value.", ""},
        RowCase{"Overflow", "0.10,0.40,,1e999,,", "Floating point overflow.", ""},
        RowCase{"NegativeTg", "0.10,0.40,,,,-1", "Invalid floating point operation.", ""},
        RowCase{"SpectrumOverflow", "0.10,0.40,1e308,,100,", "Floating point overflow.", ""},
        // Blanks only say no more than an empty cell: the default.
        RowCase{"BlankFactorIsDefault", "0.10,0.40,\" \",\"\t \",,", "", "0.1900"},
        RowCase{"LongCellIsCut", "0.10,0.40," + std::string(100000, '7') + "x,,,",
                "'" + std::string(64, '7') + "…' is not a valid floating point value.", ""}),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

// The observer hears which column a rejected text came from; the error cell keeps the message.
TEST(RunBatch, FailedRowsNameTheColumn) {
  const Output out = RunOn(
      "pga,zone,k3,beta_max,period\n0.05,0.35,x,,\n0.05,0.35,,1e999,\n0.05,0.35,,,-1\n"
      "0.05,0.3,,,\n");
  EXPECT_EQ(out.recorder.contexts, (std::vector<std::string>{"k3", "beta_max", "period", ""}));
  EXPECT_EQ(Records(out.text)[1][5], "'x' is not a valid floating point value.");
}

TEST(RunBatch, FailedRowsAreCountedAndTheFirstKept) {
  const Output out = RunOn("pga,zone\n0.05,0.35\n\"x\ny\",0.35\n0.05,0.35\n9,0.35\n");
  EXPECT_EQ(out.summary.rows, 4);
  EXPECT_EQ(out.summary.failedRows, 2);
  EXPECT_EQ(out.summary.firstFailedLine, 3);
  EXPECT_TRUE(out.summary.firstError.starts_with("'x\ny' is")) << out.summary.firstError;
  ASSERT_EQ(out.recorder.failures.size(), 2u);
  EXPECT_EQ(out.recorder.failures[1].first, 6);
  EXPECT_EQ(out.recorder.lastProgress, 4);
}

TEST(RunBatch, JsonLines) {
  const Output out =
      RunOn("id,pga,zone\n\"a\"\"1\",0.05,0.35\nb,0.3,zz\n", Defaults(BatchFormat::JsonLines));
  const std::size_t firstEnd = out.text.find('\n');
  ASSERT_NE(firstEnd, std::string::npos);
  const std::string first = out.text.substr(0, firstEnd);
  EXPECT_TRUE(first.starts_with(
      "{\"input\":{\"id\":\"a\\\"1\",\"pga\":\"0.05\",\"zone\":\"0.35\"},\"error\":null,"
      "\"pga\":{\"frequent\":{\"I0\":0.0120,\"I1\":0.0133,\"II\":0.0167,\"III\":0.0217,"
      "\"IV\":0.0208},\"basic\":{"))
      << first;
  EXPECT_NE(first.find(",\"tg\":{\"frequent\":{\"I0\":0.2000,"), std::string::npos);
  EXPECT_NE(first.find("\"very_rare\":{\"I0\":0.2500,"), std::string::npos);
  EXPECT_NE(first.find(",\"platform\":{"), std::string::npos);
  EXPECT_TRUE(
      first.ends_with("\"very_rare\":{\"I0\":0.2715,\"I1\":0.3005,\"II\":0.3625,"
                      "\"III\":0.4205,\"IV\":0.4024}}}"))
      << first;
  EXPECT_EQ(out.text.substr(firstEnd + 1),
            "{\"input\":{\"id\":\"b\",\"pga\":\"0.3\",\"zone\":\"zz\"},\"error\":\"'zz' is not a "
            "choice of zone; choose one of 0.35, 0.40, 0.45.\",\"pga\":null,\"tg\":null,"
            "\"platform\":null}\n");
}

struct MalformedCase {
  const char* name;
  std::string input;
  const char* inputCodePage;
  long long line;
  std::string message;
};

class MalformedInput : public testing::TestWithParam<MalformedCase> {};

// Bytes that are not text of the input's code page stop the batch: passed on they would garble
// the output or merge two names into one JSON key.
TEST_P(MalformedInput, StopsWithLineAndCause) {
  const MalformedCase& c = GetParam();
  BatchSettings settings = Defaults(BatchFormat::JsonLines);
  settings.inputCodePage = c.inputCodePage;
  try {
    RunOn(c.input, settings);
    FAIL() << "accepted";
  } catch (const EBatchFormat& e) {
    EXPECT_EQ(e.Line(), c.line);
    EXPECT_EQ(e.Message(), c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, MalformedInput,
    testing::Values(
        MalformedCase{"BadUtf8InHeader", "pga,zone,na\xFFme\n", "UTF-8", 1, "not valid UTF-8"},
        MalformedCase{"Overlong", "pga,zone,id\n0.05,0.35,\xC0\xAF\n", "UTF-8", 2,
                      "not valid UTF-8"},
        MalformedCase{"Surrogate", "pga,zone,id\n0.05,0.35,\xED\xA0\x80\n", "UTF-8", 2,
                      "not valid UTF-8"},
        MalformedCase{"CutOffGbk", "pga,zone,id\n0.05,0.35,\xD6\n", "GBK", 2, "not valid GBK"},
        MalformedCase{"Utf8ReadAsGbk", "pga,zone,id\n0.05,0.35,\xE4\xB8\xAD\xE6\x96\x87\n", "GBK",
                      2, "not valid GBK: the text is UTF-8; leave out --input-encoding"},
        MalformedCase{"Utf8MarkReadAsGbk", "\xEF\xBB\xBFpga,zone\n", "GBK", 1,
                      "the input begins with a UTF-8 byte-order mark, but is read as GBK; leave "
                      "out --input-encoding"},
        MalformedCase{"Utf16", std::string("\xFF\xFEp\0g\0a\0", 8), "UTF-8", 1,
                      "the input is UTF-16 text (it begins with a UTF-16 byte-order mark); save "
                      "it as UTF-8"},
        MalformedCase{"Utf16BigEndian", std::string("\xFE\xFF\0p", 4), "GBK", 1,
                      "the input is UTF-16 text (it begins with a UTF-16 byte-order mark); save "
                      "it as UTF-8"},
        MalformedCase{"Utf32", std::string("\xFF\xFE\0\0p\0\0\0", 8), "UTF-8", 1,
                      "the input is UTF-32 text (it begins with a UTF-32 byte-order mark); save "
                      "it as UTF-8"}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

TEST(RunBatch, GbkInputIsDecoded) {
  BatchSettings settings = Defaults(BatchFormat::JsonLines);
  settings.inputCodePage = "GBK";
  const Output out = RunOn("pga,zone,\xB5\xD8\xB5\xE3\n0.05,0.35,\xD6\xD0\xCE\xC4\n", settings);
  EXPECT_TRUE(
      out.text.starts_with("{\"input\":{\"pga\":\"0.05\",\"zone\":\"0.35\",\"地点\":\"中文\"}"))
      << out.text;
}

// Characters the output's code page cannot hold still become "?", but each such column is
// named, and the row keeps its results.
TEST(RunBatch, TextTheOutputCannotHoldIsReported) {
  BatchSettings settings = Defaults();
  settings.outputCodePage = "GBK";
  const Output out = RunOn(
      "pga,zone,id,\xED\x95\x9C\n0.05,0.35,\xED\x95\x9C\xEA\xB5\xAD,\n"
      "0.05,0.35,中,\n0.05,0.35,ok,\n0.05,x\xED\x95\x9C,,\n",
      settings);
  EXPECT_EQ(out.summary.rowsWithLostText, 3);
  EXPECT_EQ(out.summary.firstLostLine, 1);
  const std::string gbk = "characters GBK cannot represent were written as \"?\"";
  EXPECT_EQ(out.recorder.lost,
            (std::vector<std::pair<long long, std::string>>{{1, "column \"\xED\x95\x9C\": " + gbk},
                                                            {2, "column \"id\": " + gbk},
                                                            {5, "column \"zone\": " + gbk},
                                                            {5, "column \"error\": " + gbk}}));
  const auto records = Records(out.text);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[1][2], "??");
  EXPECT_EQ(records[1][5], "0.0120");  // results kept
}

// Read as another code page, an input that is valid UTF-8 with text beyond ASCII is most likely
// a UTF-8 file given the wrong code page: the summary says so, and only then.
TEST(RunBatch, Utf8InputReadAsAnotherCodePage) {
  const struct {
    const char* input;
    const char* codePage;
    bool alsoUtf8;
  } kCases[] = {
      {"pga,zone,\xE5\x9C\xB0\xE7\x82\xB9\n0.05,0.35,x\n", "GBK", true},   // 地点 in UTF-8
      {"pga,zone,id\n0.05,0.35,\xE5\x8C\x97\xE4\xBA\xAC\n", "GBK", true},  // 北京 in a row
      {"pga,zone,id\n0.05,0.35,\xD6\xD0\xCE\xC4\n", "GBK", false},         // 中文 in GBK
      {"pga,zone,id\n0.05,0.35,plain\n", "GBK", false},                    // ASCII only
      {"pga,zone,id\n0.05,0.35,\xE4\xB8\xAD\xE6\x96\x87\n", "UTF-8", false},
  };
  for (const auto& c : kCases) {
    BatchSettings settings = Defaults();
    settings.inputCodePage = c.codePage;
    EXPECT_EQ(RunOn(c.input, settings).summary.alsoUtf8, c.alsoUtf8) << c.input;
  }
}

// A batch reads and writes with the separators in force when its settings were made: a change of
// the process-wide ones while it runs (the window handles a settings change between two rows) is
// not seen by later rows, and is not lost either.
TEST(RunBatch, SeparatorsChangedMidRunAreNotSeenByLaterRows) {
  const NumberSeparators window = CurrentNumberSeparators();
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
  const BatchSettings settings = Defaults();
  std::string input = "pga,zone,k1\n";
  for (int i = 0; i < 1500; ++i) input += "0.20,0.40,2.5\n";
  // The user switches to a decimal comma while the first rows are done.
  const Output out = RunOn(input, settings, -1, [] {
    DecimalSeparator = u',';
    ThousandSeparator = u'.';
  });
  EXPECT_EQ(CurrentNumberSeparators(), (NumberSeparators{u',', u'.'}));
  DecimalSeparator = window.decimal;
  ThousandSeparator = window.thousand;
  const auto records = Records(out.text);
  ASSERT_EQ(records.size(), 1501u);
  EXPECT_EQ(out.summary.failedRows, 0) << records[1500][3];
  EXPECT_EQ(records[1][4], "0.0484");  // frequent I0, with the point of the start
  EXPECT_EQ(records[1500], records[1]);
}

TEST(RunBatch, ProgressCountsTheBytesRead) {
  std::string input = "pga,zone\n";
  for (int i = 0; i < 600; ++i) input += "0.05,0.35\n";
  const Output out = RunOn(input);
  EXPECT_EQ(out.recorder.lastProgress, 600);
  EXPECT_EQ(out.recorder.lastBytes, static_cast<long long>(input.size()));
}

TEST(RunBatch, CancelStopsBeforeTheNextRow) {
  std::string input = "pga,zone\n";
  for (int i = 0; i < 3000; ++i) input += "0.05,0.35\n";
  const Output out = RunOn(input, Defaults(), 1024);
  EXPECT_TRUE(out.summary.cancelled);
  EXPECT_EQ(out.summary.rows, 1024);
  EXPECT_EQ(Records(out.text).size(), 1025u);
  EXPECT_EQ(out.recorder.lastBytes, 9 + 1024 * 10);
}

}  // namespace
}  // namespace gb

namespace gb {
namespace {

// Under a comma decimal separator the grid texts hold commas and are quoted, as any cell.
TEST(BatchRowWriter, CommaSeparatorCellsAreQuoted) {
  RowOutcome outcome;
  outcome.ok = true;
  outcome.p.FPga[0][0] = 0.012;
  const char16_t decimal = DecimalSeparator;
  DecimalSeparator = u',';
  BatchRowWriter writer(BatchFormat::Csv, "UTF-8");
  std::string out;
  writer.Header(out, {"id"});
  out.clear();
  writer.Row(out, {"1"}, outcome);
  DecimalSeparator = decimal;
  EXPECT_TRUE(out.starts_with("1,,\"0,0120\",\"0,0000\",")) << out;
  EXPECT_EQ(Records(out)[0][2], "0,0120");
}

}  // namespace
}  // namespace gb
