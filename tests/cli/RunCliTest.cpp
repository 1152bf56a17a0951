#include "cli/RunCli.h"
#include "tests/support/Environment.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "TestSupport.h"
#include "cli/ResultTables.h"
#include "platform/SystemCodePage.h"
#include "platform/TextEncoding.h"
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
        ReportBytes(codePage, {"0.05", "0.35", p, grids.pga, grids.period, grids.platform, scII});
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

struct CliRun {
  int status;
  std::string out, err;
};

CliRun RunCapturing(std::vector<std::string_view> args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

const std::string kHint = "\nTry 'gb18306-cli --help' for more information.\n";

// A report reader needs the line ends, commas and digits as ASCII bytes: a code page that
// writes them otherwise is refused before anything is computed.
TEST(RunCli, EncodingMustBeAsciiCompatible) {
  for (const char* name : {"UTF-16", "UTF-16LE", "UTF-32", "UCS-2", "IBM037"}) {
    // WebAssembly's C library has no EBCDIC: there IBM037 is an unknown encoding.
    if (test::kWebAssembly && !IsKnownCodePage(name)) continue;
    for (const char* mode : {"--report=-", "--site=II"}) {
      const CliRun run = RunCapturing({"--encoding", name, mode});
      EXPECT_EQ(run.status, kExitUsage) << name;
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, "gb18306-cli: encoding '" + std::string(name) +
                             "' is not ASCII-compatible: CR, LF, the digits, ',' and '.' must be "
                             "the single bytes they are in ASCII" +
                             kHint);
    }
  }
}

// The tables come in the same character set as the report. Characters the code page cannot
// hold are written as "?", but never silently: the lines are named and the status is 1.
TEST(RunCli, TablesInTheChosenCodePage) {
  const std::string tables = FormatResultTables(test::DefaultParameters());
  const struct {
    const char* codePage;
    std::string err;
  } kCases[] = {
      {"GBK", ""},
      {"UTF-8", ""},
      {"GB18030", ""},
      {"ASCII",
       "the result tables: characters ASCII cannot represent were written as \"?\" in lines "
       "1, 3-6, 8, 10-13, 15, 17-20\n"},
  };
  for (const auto& c : kCases) {
    // Wine lacks GB18030; WebAssembly's C library cannot encode it.
    if ((test::kWindows || test::kWebAssembly) && !IsKnownCodePage(c.codePage)) continue;
    const CliRun run = RunCapturing({"--encoding", c.codePage});
    EXPECT_EQ(run.status, c.err.empty() ? kExitSuccess : kExitFailure);
    EXPECT_EQ(run.out, EncodeText(tables, c.codePage)) << c.codePage;
    EXPECT_EQ(run.err, c.err);
  }
}

// What a message repeats of the command line: long texts cut after 64 bytes with "…", control
// characters written out, and the option or file it is about after the window's message.
TEST(RunCli, MessagesRepeatTypedTextsSafely) {
  const std::string longText(100000, '7');
  const std::string cut = std::string(64, '7') + "…";
  const std::string escape = "\x1B[31m";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } kCases[] = {
      {{"--k1="}, kExitFailure, "'' is not a valid floating point value. (--k1)\n"},
      {{"--beta-max", "x" + longText},
       kExitFailure,
       "'x" + std::string(63, '7') + "…' is not a valid floating point value. (--beta-max)\n"},
      {{"--k1", " x" + longText + " "},  // quoted without its blanks, and cut all the same
       kExitFailure,
       "'x" + std::string(63, '7') + "…' is not a valid floating point value. (--k1)\n"},
      {{"--pga", longText},
       kExitUsage,
       "gb18306-cli: '" + cut +
           "' is not a choice of --pga; choose one of 0.05, 0.10, 0.15, "
           "0.20, 0.30, 0.40" +
           kHint},
      {{"--k2", "1" + escape},
       kExitFailure,
       "'1\\x1B[31m' is not a valid floating point value. (--k2)\n"},
      {{"--site", "I\r\nV"},
       kExitUsage,
       "gb18306-cli: 'I\\x0D\\x0AV' is not a choice of --site; choose one of I0, I1, II, III, "
       "IV" +
           kHint},
      {{"--report", "/no/such/1" + escape + ".csv"},
       kExitFailure,
       "Cannot create file \"/no/such/1\\x1B[31m.csv\". No such file or directory.\n"},
      {{"--period",
        "\xC2\x9B"
        "1m"},
       kExitFailure,
       "'\\u009B1m' is not a valid floating point value. (--period)\n"},
      {{"--format", escape},
       kExitUsage,
       "gb18306-cli: '\\x1B[31m' is not a format of a single site; write --format json" + kHint},
  };
  for (const auto& c : kCases) {
    if (test::kWindows && c.args[0] == "--report") continue;  // a POSIX path and text
    std::vector<std::string_view> args(c.args.begin(), c.args.end());
    const CliRun run = RunCapturing(args);
    EXPECT_EQ(run.status, c.status) << c.args[0];
    EXPECT_EQ(run.out, "");
    // In the stream's code page: Windows' ANSI code page there may not hold "…".
    EXPECT_EQ(run.err, EncodeText(c.err, SystemCodePage()));
  }
}

// The report is written with "?" where the code page cannot hold a character, as the tables are;
// the lines are named and the status is 1.
TEST(RunCli, ReportCharactersTheCodePageCannotHold) {
  const CliRun run = RunCapturing({"--encoding", "ASCII", "--report", "-"});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(test::SplitCrLf(run.out).size(), 273u);
  EXPECT_EQ(run.err,
            "the report: characters ASCII cannot represent were written as \"?\" in lines 1, "
            "4-13, 15-19, 21-25, 27-32\n");
  EXPECT_EQ(RunCapturing({"--encoding", "GBK", "--report", "-"}).err, "");
  // A report file is named as it was given.
  const test::TempFolder folder;
  const std::string file = (folder / "r.csv").string();
  const CliRun toFile = RunCapturing({"--encoding", "ASCII", "--report", file});
  EXPECT_EQ(toFile.status, kExitFailure);
  EXPECT_TRUE(toFile.err.starts_with("the report \"" + file + "\": characters ASCII cannot "))
      << toFile.err;
  EXPECT_EQ(test::SplitCrLf(test::ReadFile(file)).size(), 273u);
}

// The spectra of --site are evaluated in both modes, as the window plots them after
// calculating; a fault there ends the run before anything is printed.
TEST(RunCli, SpectrumFaultsStopBothModes) {
  const struct {
    std::vector<std::string_view> inputs;
    const char* err;
  } kCases[] = {
      // A negative characteristic period on the descending branch: a negative power base.
      {{"--rare-tg-increment=-5"}, "Invalid floating point operation.\n"},
      {{"--very-rare-tg-increment=-1", "--site", "IV"}, "Invalid floating point operation.\n"},
      {{"--pga", "0.40", "--k1", "1e308", "--beta-max", "100"}, "Floating point overflow.\n"},
  };
  for (const auto& c : kCases) {
    for (const char* mode : {"--encoding=UTF-8", "--report=-"}) {
      std::vector<std::string_view> args{mode};
      args.insert(args.end(), c.inputs.begin(), c.inputs.end());
      const CliRun run = RunCapturing(args);
      EXPECT_EQ(run.status, kExitFailure) << c.inputs[0] << " " << mode;
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, c.err);
    }
  }
  // Only the chosen class is evaluated: this increment leaves the very rare period of I0 and I1
  // negative, not that of II to IV.
  const std::pair<const char*, int> kSites[] = {{"I0", kExitFailure},
                                                {"I1", kExitFailure},
                                                {"II", kExitSuccess},
                                                {"III", kExitSuccess},
                                                {"IV", kExitSuccess}};
  for (const auto& [site, status] : kSites) {
    EXPECT_EQ(
        RunCapturing({"--encoding=UTF-8", "--very-rare-tg-increment=-0.3", "--site", site}).status,
        status)
        << site;
  }
}

}  // namespace
}  // namespace gb
