// Sa at the periods named with --period: the option, the table and the whole run.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "TestSupport.h"
#include "cli/CommandLine.h"
#include "cli/ResultTables.h"
#include "cli/RunCli.h"
#include "cli/SpectrumReadingTable.h"
#include "cli/TextTable.h"
#include "engine/DesignResponse.h"
#include "report/CalculateFromTexts.h"
#include "report/ReportLines.h"
#include "report/TextEncoding.h"
#include "text/DecimalFormats.h"

namespace gb {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun RunWith(const std::vector<std::string>& args) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  std::ostringstream out, err;
  const int status = RunCli(views, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// The data rows of the Sa section (below its header), each split into its five cells; empty
// without the section.
std::vector<std::vector<std::string>> SaRows(const std::string& out, const char* site) {
  const std::vector<std::string> lines = Lines(out);
  std::vector<std::vector<std::string>> rows;
  const std::string caption = std::string("反应谱值 Sa (g), 场地类别 ") + site;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != caption) continue;
    for (std::size_t j = i + 2; j < lines.size(); ++j) rows.push_back(Words(lines[j]));
  }
  return rows;
}

// ---------------------------------------------------------------------------------------------
// The option

TEST(ParseCommandLine, PeriodsRepeatInTheOrderGiven) {
  const std::vector<std::string_view> args = {"--period",    "1.234",    "--site", "IV",
                                              "--period=-1", "--period", " 0.5 ",  "--period="};
  const ParsedCommandLine parsed = ParseCommandLine(args);
  ASSERT_EQ(parsed.action, CliAction::Run) << parsed.error;
  EXPECT_EQ(parsed.options.periods, (std::vector<std::string>{"1.234", "-1", " 0.5 ", ""}));
  EXPECT_TRUE(ParseCommandLine(std::vector<std::string_view>{}).options.periods.empty());
}

TEST(ParseCommandLine, SeparateNegativePeriodLooksLikeAnOption) {
  const std::vector<std::string_view> args = {"--period", "-1"};
  const ParsedCommandLine parsed = ParseCommandLine(args);
  EXPECT_EQ(parsed.action, CliAction::UsageError);
  EXPECT_EQ(parsed.error,
            "option '--period' needs a value (write --period=TEXT for a text beginning with '-')");
}

TEST(UsageText, NamesThePeriodOption) {
  EXPECT_NE(UsageText().find("[--period T]..."), std::string::npos);
  EXPECT_NE(UsageText().find("\n  --period T "), std::string::npos);
}

// ---------------------------------------------------------------------------------------------
// Tables

TEST(TextTable, AlignsByDisplayWidthWithoutTrailingBlanks) {
  EXPECT_EQ(FormatTextTable("Cap", {{"", "a", "bb"}, {"极罕遇", "1", "22"}, {"x"}, {"yy", ""}}),
            "Cap\n"
            "        a  bb\n"
            "极罕遇  1  22\n"
            "x\n"
            "yy\n");
  EXPECT_EQ(FormatTextTable("Only", {}), "Only\n");
}

TEST(SpectrumReadingTable, HeaderThenOneRowPerPeriod) {
  const ParameterSet p = test::DefaultParameters();
  const SpectrumReading readings[] = {ReadSpectrum(p, scII, 1.234), ReadSpectrum(p, scII, 20),
                                      ReadSpectrum(p, scII, 0)};
  EXPECT_EQ(FormatSpectrumReadingTable(scII, readings),
            "反应谱值 Sa (g), 场地类别 II\n"
            "T (s)    多遇地震动  基本地震动  罕遇地震动  极罕遇地震动\n"
            "1.2340       0.0134      0.0402      0.0862        0.1315\n"
            "20.0000      0.0011      0.0033      0.0070        0.0107\n"
            "0.0000       0.0167      0.0500      0.0950        0.1450\n");
}

// ---------------------------------------------------------------------------------------------
// Runs

TEST(RunCliPeriod, SectionFollowsTheThreeTables) {
  const ParameterSet p = test::DefaultParameters();
  const CliRun run = RunWith({"--encoding=UTF-8", "--period", "1.234", "--period=0.2"});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  const SpectrumReading readings[] = {ReadSpectrum(p, scII, 1.234), ReadSpectrum(p, scII, 0.2)};
  EXPECT_EQ(run.out, FormatResultTables(p) + "\n" + FormatSpectrumReadingTable(scII, readings));
  EXPECT_EQ(run.err, "");
  // Without --period the tables stay as they were.
  EXPECT_EQ(RunWith({"--encoding=UTF-8"}).out, FormatResultTables(p));
}

TEST(RunCliPeriod, SiteClassAndCodePageOfTheTables) {
  const CliRun run = RunWith({"--encoding=GBK", "--site", "IV", "--period", "0.65"});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  const std::string out = DecodeText(run.out, "GBK");
  EXPECT_EQ(
      SaRows(out, "IV"),
      (std::vector<std::vector<std::string>>{{"0.6500", "0.0521", "0.1563", "0.2862", "0.4024"}}));
  EXPECT_NE(out.find("\nT (s)   多遇地震动  基本地震动  罕遇地震动  极罕遇地震动\n"),
            std::string::npos);
}

TEST(RunCliPeriod, RejectedPeriodsPrintNothing) {
  const struct {
    std::vector<std::string> args;
    const char* err;
  } kCases[] = {
      {{"--period=-1"}, "Period must not be negative: '-1'.\n"},
      {{"--period", "1", "--period= -0.5 "}, "Period must not be negative: '-0.5'.\n"},
      {{"--period", "abc", "--period=-1"}, "'abc' is not a valid floating point value.\n"},
      {{"--period="}, "'' is not a valid floating point value.\n"},
      {{"--period", "1e999"}, "Floating point overflow.\n"},
      // The inputs come first, as the window reads them before it plots.
      {{"--period=-1", "--k1", "x"}, "'x' is not a valid floating point value.\n"},
      // Read in every mode, though only the tables show them.
      {{"--report=-", "--period=-2"}, "Period must not be negative: '-2'.\n"},
  };
  for (const auto& c : kCases) {
    const CliRun run = RunWith(c.args);
    EXPECT_EQ(run.status, kExitFailure) << c.args[0];
    EXPECT_EQ(run.out, "") << c.args[0];
    EXPECT_EQ(run.err, c.err);
  }
}

TEST(RunCliPeriod, ReportIsUnchanged) {
  const CliRun plain = RunWith({"--report=-", "--encoding=UTF-8"});
  const CliRun withPeriods = RunWith({"--report=-", "--encoding=UTF-8", "--period", "1.234"});
  ASSERT_EQ(withPeriods.status, kExitSuccess) << withPeriods.err;
  EXPECT_TRUE(withPeriods.out == plain.out);
}

// Acceptance: random periods up to 20 s, many past the plotted 6 s, each printed value the
// four-decimal text of the spectrum function at that very period.
TEST(RunCliPeriod, ThousandRandomPeriodsGiveTheSpectrumFunctionsTexts) {
  const ParameterSet designed = test::DefaultParameters();
  std::mt19937_64 random(18306);
  std::uniform_real_distribution<double> inPlot(0, 6), beyond(6, 20);
  std::vector<double> periods;
  for (int i = 0; i < 1000; ++i) periods.push_back(i % 4 == 3 ? beyond(random) : inPlot(random));
  periods[0] = 0;
  periods[1] = 6;
  periods[2] = 20;
  std::vector<std::string> args = {"--encoding=UTF-8", "--pga", "0.30", "--zone", "0.45",
                                   "--site",           "III"};
  char text[40];
  for (const double t : periods) {
    std::snprintf(text, sizeof text, "%.17g", t);  // exactly this double
    args.push_back(std::string("--period=") + text);
  }
  const CliRun run = RunWith(args);
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  const ParameterSet p =
      CalculateFromTexts({4, 2, kDesignedInputs.k1, kDesignedInputs.k2, kDesignedInputs.k3,
                          kDesignedInputs.rareTgIncrement, kDesignedInputs.veryRareTgIncrement,
                          kDesignedInputs.betaMax});
  ASSERT_NE(p.FPga[lvBasic][scIII], designed.FPga[lvBasic][scIII]);
  const std::vector<std::vector<std::string>> rows = SaRows(run.out, "III");
  ASSERT_EQ(rows.size(), periods.size());
  for (std::size_t i = 0; i < periods.size(); ++i) {
    const std::vector<std::string>& row = rows[i];
    ASSERT_EQ(row.size(), 5u);
    EXPECT_EQ(row[0], FormatFourDecimals(periods[i]));
    for (int l = 0; l < kLevelCount; ++l) {
      const double sa =
          SpectralAcceleration(periods[i], 0.1, p.FTg[l][scIII], p.FPga[l][scIII], p.FBetaMax);
      ASSERT_EQ(row[static_cast<std::size_t>(l) + 1], FormatFourDecimals(sa))
          << "T = " << args[i + 7] << ", level " << l;
    }
  }
}

// Acceptance: the periods the report writes, typed back as the report shows them, give the
// report's own spectrum lines, for every site class.
TEST(RunCliPeriod, ReportsSamplePeriodsGiveTheReportsLines) {
  for (const char* site : kSiteClassLabels) {
    const CliRun report = RunWith({"--encoding=UTF-8", "--report=-", "--site", site});
    ASSERT_EQ(report.status, kExitSuccess) << report.err;
    const std::vector<std::string> lines = test::SplitCrLf(report.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kReportLineCount));
    std::vector<std::string> args = {"--encoding=UTF-8", "--site", site};
    for (int i = 0; i < SpectrumPointCount; ++i) {
      const std::string& line = lines[static_cast<std::size_t>(32 + i)];
      args.push_back("--period=" + line.substr(0, line.find(',')));
    }
    const CliRun run = RunWith(args);
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const std::vector<std::vector<std::string>> rows = SaRows(run.out, site);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(SpectrumPointCount));
    for (int i = 0; i < SpectrumPointCount; ++i) {
      const std::vector<std::string>& row = rows[static_cast<std::size_t>(i)];
      std::string joined = row[0];
      for (std::size_t c = 1; c < row.size(); ++c) joined.append(",").append(row[c]);
      EXPECT_EQ(joined, lines[static_cast<std::size_t>(32 + i)]) << site;
    }
  }
}

TEST(CliProcessPeriod, PrintsTheSectionAndRefusesNegativePeriods) {
  const auto run = [](std::vector<std::string> args) {
    return test::RunToEnd(
        test::Launch(std::move(args), std::filesystem::temp_directory_path(), {"LC_ALL=C.UTF-8"}));
  };
  const test::Outcome ok = run({"--period", "1.234"});
  EXPECT_EQ(ok.status, kExitSuccess) << ok.err;
  EXPECT_TRUE(
      ok.out.ends_with("反应谱值 Sa (g), 场地类别 II\n"
                       "T (s)   多遇地震动  基本地震动  罕遇地震动  极罕遇地震动\n"
                       "1.2340      0.0134      0.0402      0.0862        0.1315\n"))
      << ok.out;
  const test::Outcome refused = run({"--period=-0.1"});
  EXPECT_EQ(refused.status, kExitFailure);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err, "Period must not be negative: '-0.1'.\n");
}

}  // namespace
}  // namespace gb
