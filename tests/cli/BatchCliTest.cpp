#include <gtest/gtest.h>

#include <cerrno>

#include <random>
#include <sstream>

#include "CsvRecords.h"
#include "TestSupport.h"
#include "cli/RunCli.h"
#include "platform/SystemCodePage.h"
#include "platform/SystemTexts.h"
#include "platform/TextEncoding.h"

namespace gb {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status;
  std::string out, err;
};

CliRun RunArgs(const std::vector<std::string>& args) {
  std::vector<std::string_view> views(args.begin(), args.end());
  std::ostringstream out, err;
  const int status = RunCli(views, out, err);
  return {status, out.str(), err.str()};
}

using test::Records;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The grids of a JSON document or line: from "pga" to the end of "platform".
std::string GridsOf(const std::string& json) {
  const std::size_t start = json.find(",\"pga\":{");
  const std::size_t end = json.find("}}", json.find("\"platform\":{"));
  if (start == std::string::npos || end == std::string::npos) return "no grids in " + json;
  return json.substr(start, end + 2 - start);
}

constexpr const char* kColumns[] = {
    "pga", "zone", "k1", "k2", "k3", "rare_tg_increment", "very_rare_tg_increment", "beta_max"};

// Texts a row may hold: ordinary, other spellings of the items, rejected texts and values whose
// calculation or spectra fault.
std::string RandomText(std::mt19937& random, int column) {
  static const std::vector<std::string> kPga = {"0.05", "0.10", "0.1", "0.15", "0.2",
                                                "0.20", "0.30", ".3",  "0.40", "4e-1"};
  static const std::vector<std::string> kZone = {"0.35", "0.40", "0.4", "0.45", "0.450"};
  static const std::vector<std::string> kFactors = {
      "",    "",       "",      "1",    "2.9",    "0.3333", "0",   "-1", "1e300", "1e308",
      "abc", " 0.3x ", "1e999", "-0.5", "1e-400", "2,5",    "+.5", "-0", "1e200"};
  const std::vector<std::string>& pool = column == 0 ? kPga : column == 1 ? kZone : kFactors;
  return pool[random() % pool.size()];
}

// Each batch row equals a single run with the row's texts: the same grids, or the same message.
TEST(BatchCli, EveryRowIsWhatASingleRunPrints) {
  const test::TempFolder folder;
  std::mt19937 random(20260612);
  std::string input = "id,pga,zone,k1,k2,k3,rare_tg_increment,very_rare_tg_increment,beta_max\n";
  std::vector<std::vector<std::string>> rows;
  for (int r = 0; r < 150; ++r) {
    std::vector<std::string> row;
    input += std::to_string(r);
    for (int c = 0; c < 8; ++c) {
      row.push_back(RandomText(random, c));
      input += ",\"" + row.back() + "\"";
    }
    input += "\n";
    rows.push_back(row);
  }
  test::WriteFile(folder / "sites.csv", input);
  const std::string inputPath = (folder / "sites.csv").string();
  const CliRun csv = RunArgs({"--batch", inputPath, "--encoding", "UTF-8", "--site", "IV"});
  const CliRun jsonl = RunArgs({"--batch", inputPath, "--format", "jsonl", "--site", "IV"});
  const auto records = Records(csv.out);
  const auto lines = Lines(jsonl.out);
  ASSERT_EQ(records.size(), rows.size() + 1);
  ASSERT_EQ(lines.size(), rows.size());
  int failed = 0;
  std::string failures;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::vector<std::string> args = {"--site", "IV", "--format", "json"};
    for (int c = 0; c < 8; ++c) {
      if (!rows[r][c].empty()) args.push_back("--" + std::string(kColumns[c]) + "=" + rows[r][c]);
    }
    for (std::string& arg : args) {
      for (char& ch : arg) ch = ch == '_' ? '-' : ch;
    }
    const CliRun single = RunArgs(args);
    const std::vector<std::string>& record = records[r + 1];
    const std::string& error = record[9];
    if (single.status == kExitSuccess) {
      EXPECT_EQ(error, "") << r;
      EXPECT_EQ(GridsOf(lines[r]), GridsOf(single.out)) << r;
      // The CSV cells are the very texts of the JSON numbers.
      std::string cells;
      for (std::size_t i = 10; i < record.size(); ++i) cells += record[i] + ",";
      std::string numbers;
      for (std::size_t at = 0; (at = lines[r].find("\":", at)) != std::string::npos;) {
        at += 2;
        if (lines[r][at] == '{' || lines[r][at] == '"' || lines[r][at] == 'n') continue;
        numbers += lines[r].substr(at, lines[r].find_first_of(",}", at) - at) + ",";
      }
      EXPECT_EQ(cells, numbers) << r;
    } else {
      ++failed;
      EXPECT_EQ(single.status, kExitFailure) << single.err;
      // The single run names the option of a rejected text, the batch its column; the CSV's
      // error cell keeps the message alone.
      ASSERT_TRUE(single.err.starts_with(error)) << r;
      std::string context = single.err.substr(error.size());
      if (context != "\n") {
        ASSERT_TRUE(context.starts_with(" (--")) << context;
        context = " (column " + context.substr(4);
        for (char& ch : context) ch = ch == '-' ? '_' : ch;
      }
      EXPECT_NE(lines[r].find(",\"pga\":null,\"tg\":null,\"platform\":null}"), std::string::npos);
      failures += "line " + std::to_string(r + 2) + ": " + error + context;
    }
  }
  EXPECT_GT(failed, 20);
  EXPECT_LT(failed, 140);
  EXPECT_EQ(csv.status, kExitFailure);
  EXPECT_EQ(csv.err, failures);
  EXPECT_EQ(jsonl.err, failures);
}

// A period column (and a site column) add Sa of the four levels at that period: the very texts a
// single run with --site and --period gives, or its message.
TEST(BatchCli, PeriodColumnsAreWhatASingleRunReads) {
  const test::TempFolder folder;
  std::mt19937 random(20261209);
  const std::vector<std::string> periods = {"", "1.234", "0", "0.1", "20", "-1", "abc", "-0"};
  const std::vector<std::string> sites = {"", "I0", "II", "III", "IV"};
  const std::vector<std::string> increments = {"", "", "", "-1"};
  std::string input = "Period,pga,zone,Rare-Tg-Increment,SITE\n";
  std::vector<std::vector<std::string>> rows;
  for (int r = 0; r < 60; ++r) {
    rows.push_back({periods[random() % periods.size()], RandomText(random, 0),
                    RandomText(random, 1), increments[random() % increments.size()],
                    sites[random() % sites.size()]});
    for (const std::string& cell : rows.back())
      input += cell + (&cell == &rows.back().back() ? "\n" : ",");
  }
  test::WriteFile(folder / "sites.csv", input);
  const CliRun csv = RunArgs({"--batch", (folder / "sites.csv").string(), "--encoding", "UTF-8"});
  const auto records = Records(csv.out);
  ASSERT_EQ(records.size(), rows.size() + 1);
  ASSERT_GE(records[0].size(), 4u);
  EXPECT_EQ(std::vector<std::string>(records[0].end() - 4, records[0].end()),
            (std::vector<std::string>{"sa_frequent", "sa_basic", "sa_rare", "sa_very_rare"}));
  // Standard error names the column of a rejected period.
  EXPECT_NE(csv.err.find("is not a valid floating point value. (column period)\n"),
            std::string::npos)
      << csv.err;
  int read = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::vector<std::string>& row = rows[r];
    std::vector<std::string> args = {"--format", "json", "--pga=" + row[1], "--zone=" + row[2]};
    if (!row[3].empty()) args.push_back("--rare-tg-increment=" + row[3]);
    if (!row[4].empty()) args.push_back("--site=" + row[4]);
    if (!row[0].empty()) args.push_back("--period=" + row[0]);
    const CliRun single = RunArgs(args);
    const std::vector<std::string>& record = records[r + 1];
    const std::string sa = record[record.size() - 4] + "," + record[record.size() - 3] + "," +
                           record[record.size() - 2] + "," + record.back();
    if (single.status != kExitSuccess) {
      // The single run adds the option of the rejected text, where there is one.
      EXPECT_TRUE(single.err == record[5] + "\n" || single.err.starts_with(record[5] + " (--"))
          << single.err;
      EXPECT_EQ(sa, ",,,") << r;
      continue;
    }
    EXPECT_EQ(record[5], "") << r;
    const std::size_t at = single.out.find("\"sa_at\":[{\"period\":");
    if (row[0].empty()) {
      EXPECT_EQ(at, std::string::npos) << r;
      EXPECT_EQ(sa, ",,,") << r;
      continue;
    }
    ASSERT_NE(at, std::string::npos) << single.out;
    std::string numbers;
    for (const std::string_view level : {"frequent", "basic", "rare", "very_rare"}) {
      std::string key = "\"";
      key.append(level).append("\":");
      const std::size_t from = single.out.find(key, at) + key.size();
      numbers.append(single.out, from, single.out.find_first_of(",}", from) - from).append(",");
    }
    numbers.pop_back();
    EXPECT_EQ(sa, numbers) << r;
    ++read;
  }
  EXPECT_GT(read, 10);
}

TEST(BatchCli, OutputFileAndItsFailures) {
  const test::TempFolder folder;
  const std::string in = (folder / "in.csv").string();
  const std::string out = (folder / "out.csv").string();
  test::WriteFile(folder / "out.csv", "former");
  const struct {
    std::string input;
    std::vector<std::string> extra;
    int status;
    std::string err;
    bool written;
  } cases[] = {
      {"pga,zone\n0.05,0.35\n", {}, kExitSuccess, "", true},
      {"pga,zone\n0.05,0.35\nx,0.35\n",
       {},
       kExitFailure,
       "line 3: 'x' is not a choice of pga; choose one of 0.05, 0.10, 0.15, 0.20, 0.30, 0.40.\n",
       true},
      {"pga,zone\n0.05,0.35\n\"0.05,0.35\n",
       {},
       kExitFailure,
       "line 3: unterminated quoted field\n",
       false},
      {"pga,zone\n0.05,0.35,1\n",
       {},
       kExitFailure,
       "line 2: 3 cells, but the header has 2\n",
       false},
      {"pga,pga,zone\n",
       {},
       kExitUsage,
       "gb18306-cli: the input has two columns named 'pga'\nTry 'gb18306-cli --help' for more "
       "information.\n",
       false},
      {"pga\n0.05\n",
       {"--format", "jsonl"},
       kExitUsage,
       "gb18306-cli: the input has no column 'zone' (its columns are 'pga')\nTry 'gb18306-cli "
       "--help' for more information.\n",
       false},
      // Text the output cannot hold is written as "?" with its results, but never silently.
      {"pga,zone,id\n0.05,0.35,\xED\x95\x9C\xEA\xB5\xAD\n",
       {"--encoding", "GBK"},
       kExitFailure,
       "line 2: column \"id\": characters GBK cannot represent were written as \"?\"\n",
       true},
      {"pga,zone,id\n0.05,0.35,\xFF\n", {}, kExitFailure, "line 2: not valid UTF-8\n", false},
  };
  for (const auto& c : cases) {
    test::WriteFile(folder / "out.csv", "former");
    test::WriteFile(folder / "in.csv", c.input);
    std::vector<std::string> args = {"--batch", in, "--output", out};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const CliRun run = RunArgs(args);
    EXPECT_EQ(run.status, c.status) << c.input;
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(test::ReadFile(folder / "out.csv") != "former", c.written) << c.input;
    EXPECT_EQ(test::Entries(folder.Path()), (std::set<std::string>{"in.csv", "out.csv"}));
  }
}

// The system's reason, not a missing column, when the input is no readable file.
TEST(BatchCli, InputThatCannotBeRead) {
  const test::TempFolder folder;
  const std::string name = folder.Path().string();
  const CliRun run = RunArgs({"--batch", name});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(run.err, "Cannot open file \"" + name + "\". " + SystemErrorText(EISDIR) + ".\n");
}

TEST(BatchCli, UsageErrors) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--batch", "x.csv", "--format", "json"},
       "'json' is not a format of a batch; write --format csv or jsonl"},
      {{"--format", "csv"}, "'csv' is not a format of a single site; write --format json"},
      {{"--output", "o.csv"}, "--output and --input-encoding need --batch"},
      {{"--batch", "x.csv", "--report", "r.csv"},
       "--batch does not go with --report, --pdf or --chart"},
      {{"--batch", "x.csv", "--input-encoding", "NOPE"}, "unknown input encoding 'NOPE'"},
      {{"--batch", "x.csv", "--input-encoding", "UTF-16"},
       "input encoding 'UTF-16' is not ASCII-compatible"},
  };
  for (const auto& [args, message] : cases) {
    const CliRun run = RunArgs(args);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.err,
              "gb18306-cli: " + message + "\nTry 'gb18306-cli --help' for more information.\n");
  }
}

// A Chinese spreadsheet's file in GBK; CSV out in the asked code page, JSON always UTF-8.
TEST(BatchCli, InputAndOutputCodePages) {
  const test::TempFolder folder;
  test::WriteFile(folder / "in.csv", "\xB5\xD8\xB5\xE3,pga,zone\n\xB1\xB1\xBE\xA9,0.05,0.35\n");
  const std::string in = (folder / "in.csv").string();
  const CliRun gbk = RunArgs({"--batch", in, "--input-encoding", "GBK", "--encoding", "GBK"});
  EXPECT_EQ(gbk.status, kExitSuccess) << gbk.err;
  EXPECT_TRUE(gbk.out.starts_with("\xB5\xD8\xB5\xE3,pga,zone,error,")) << gbk.out;
  EXPECT_NE(gbk.out.find("\r\n\xB1\xB1\xBE\xA9,0.05,0.35,,0.0120,"), std::string::npos);
  const CliRun json = RunArgs({"--batch", in, "--input-encoding", "GBK", "--format", "jsonl"});
  EXPECT_TRUE(json.out.starts_with("{\"input\":{\"地点\":\"北京\",")) << json.out;
  EXPECT_EQ(json.err, "");
  // UTF-8 whose bytes happen to be valid GBK as well (地点 and 北京 in UTF-8 are): read as asked,
  // with one line on the likely mix-up.
  test::WriteFile(folder / "utf8.csv", "地点,pga,zone\n北京,0.05,0.35\n");
  const CliRun mixed = RunArgs(
      {"--batch", (folder / "utf8.csv").string(), "--input-encoding", "GBK", "--format", "jsonl"});
  EXPECT_EQ(mixed.status, kExitSuccess);
  EXPECT_EQ(mixed.err,
            "warning: the input, read as GBK, is valid UTF-8 as well and holds text beyond ASCII; "
            "if it is UTF-8, leave out --input-encoding\n");
}

// Standard error repeats a row's cell as every message does: cut after 64 bytes, control
// characters written out, the column named; the error cell keeps the message as it is.
TEST(BatchCli, RowMessagesRepeatCellsSafely) {
  const test::TempFolder folder;
  std::string longCell = "x";
  longCell.append(100, '7');
  test::WriteFile(folder / "in.csv",
                  "pga,zone,k1,k2\n0.05,0.35,\"1\x1B[31m\",\n0.05,0.35,," + longCell + "\n");
  const CliRun run = RunArgs({"--batch", (folder / "in.csv").string(), "--encoding", "UTF-8"});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(run.err, EncodeText("line 2: '1\\x1B[31m' is not a valid floating point value. "
                                "(column k1)\n"
                                "line 3: 'x" +
                                    std::string(63, '7') +
                                    "…' is not a valid floating point value. (column k2)\n",
                                SystemCodePage()));
  const auto records = Records(run.out);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1][4], "'1\x1B[31m' is not a valid floating point value.");
}

// Any spelling of UTF-8 is UTF-8: its byte-order mark is dropped, its text taken as it is.
TEST(BatchCli, Utf8UnderAnyName) {
  const test::TempFolder folder;
  test::WriteFile(folder / "in.csv", "\xEF\xBB\xBF地点,pga,zone\n北京,0.05,0.35\n");
  const std::string in = (folder / "in.csv").string();
  for (const char* name : {"UTF-8", "utf-8", "utf8", "UTF8"}) {
    const CliRun run = RunArgs({"--batch", in, "--input-encoding", name, "--format", "jsonl"});
    EXPECT_EQ(run.status, kExitSuccess) << name << run.err;
    EXPECT_TRUE(run.out.starts_with("{\"input\":{\"地点\":\"北京\",")) << name;
  }
}

TEST(BatchCli, SingleSiteJson) {
  const CliRun run = RunArgs({"--format", "json", "--pga", "0.2", "--site", "I0"});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_TRUE(run.out.starts_with("{\"input\":{\"pga\":\"0.20\",\"zone\":\"0.35\",\"k1\":\"2.9\","))
      << run.out;
  EXPECT_NE(run.out.find("\"site\":\"I0\"},\"pga\":{\"frequent\":{\"I0\":0.0484,"),
            std::string::npos);
  EXPECT_NE(run.out.find(",\"spectra\":{\"site\":\"I0\",\"period\":[0,0.025,0.05,"),
            std::string::npos);
  EXPECT_TRUE(run.out.ends_with("]}}\n"));
  const CliRun fault = RunArgs({"--format", "json", "--rare-tg-increment=-1"});
  EXPECT_EQ(fault.status, kExitFailure);
  EXPECT_EQ(fault.out, "");
  EXPECT_EQ(fault.err, "Invalid floating point operation.\n");
}

}  // namespace
}  // namespace gb
