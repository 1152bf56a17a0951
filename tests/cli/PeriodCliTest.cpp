// Sa at the periods named with --period: the option, the table and the whole run.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "cli/CommandLine.h"
#include "cli/ResultTables.h"
#include "cli/RunCli.h"
#include "engine/CalculateFromTexts.h"
#include "engine/DesignResponse.h"
#include "platform/TextEncoding.h"
#include "report/ReportLines.h"
#include "text/DecimalFormats.h"
#include "text/ParseDecimalText.h"

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

// The data rows of the Sa section of class `site`, each split into its cells.
std::vector<std::vector<std::string>> SaRows(const std::string& out, const char* site) {
  const std::string caption = std::string("反应谱值 Sa (g), 场地类别 ") + site + "\n";
  const std::size_t at = out.find(caption);
  if (at == std::string::npos) return {};
  std::istringstream in(out.substr(at + caption.size()));
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);  // the header
  while (std::getline(in, line)) {
    std::istringstream cells(line);
    std::vector<std::string>& row = rows.emplace_back();
    for (std::string cell; cells >> cell;) row.push_back(cell);
  }
  return rows;
}

TEST(ParseCommandLine, PeriodsRepeatInTheOrderGiven) {
  const std::vector<std::string_view> args = {"--period",    "1.234",    "--site", "IV",
                                              "--period=-1", "--period", " 0.5 "};
  EXPECT_EQ(ParseCommandLine(args).options.periods,
            (std::vector<std::string>{"1.234", "-1", " 0.5 "}));
  const std::vector<std::string_view> separate = {"--period", "-1"};
  EXPECT_EQ(ParseCommandLine(separate).error,
            "option '--period' needs a value (write --period=TEXT for a text beginning with '-')");
}

TEST(RunCliPeriod, SectionFollowsTheTablesInTheirCodePage) {
  const CliRun run = RunWith({"--encoding=GBK", "--period", "1.234", "--period=20"});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(DecodeText(run.out, "GBK"),
            FormatResultTables(test::DefaultParameters()) +
                "\n反应谱值 Sa (g), 场地类别 II\n"
                "T (s)    多遇地震动  基本地震动  罕遇地震动  极罕遇地震动\n"
                "1.2340       0.0134      0.0402      0.0862        0.1315\n"
                "20.0000      0.0011      0.0033      0.0070        0.0107\n");
}

TEST(RunCliPeriod, RejectedPeriodsPrintNothing) {
  const struct {
    std::vector<std::string> args;
    const char* err;
  } kCases[] = {
      {{"--period", "1", "--period= -0.5 "}, "Period must not be negative: '-0.5'. (--period)\n"},
      {{"--period", "abc", "--period=-1"},
       "'abc' is not a valid floating point value. (--period)\n"},
      {{"--period", "1e999"}, "Floating point overflow. (--period)\n"},
      // The inputs come first, as the window reads them before it plots.
      {{"--period=-1", "--k1", "x"}, "'x' is not a valid floating point value. (--k1)\n"},
  };
  for (const auto& c : kCases) {
    const CliRun run = RunWith(c.args);
    EXPECT_EQ(run.status, kExitFailure) << c.args[0];
    EXPECT_EQ(run.out, "") << c.args[0];
    EXPECT_EQ(run.err, c.err);
  }
}

// Acceptance: random periods up to 20 s, a quarter past the plotted 6 s, each printed value the
// four-decimal text of the spectrum function at the period as its row shows it.
TEST(RunCliPeriod, ThousandRandomPeriodsGiveTheSpectrumFunctionsTexts) {
  std::mt19937_64 random(18306);
  std::uniform_real_distribution<double> inPlot(0, 6), beyond(6, 20);
  std::vector<double> periods = {0, 6, 20};
  while (periods.size() < 1000)
    periods.push_back(periods.size() % 4 ? inPlot(random) : beyond(random));
  // UTF-8 whatever the system's code page, so that the captions can be found.
  std::vector<std::string> args = {"--pga",  "0.30", "--zone",     "0.45",
                                   "--site", "III",  "--encoding", "UTF-8"};
  char text[40];
  for (const double t : periods) {
    std::snprintf(text, sizeof text, "%.17g", t);  // exactly this double
    args.push_back(std::string("--period=") + text);
  }
  const CliRun run = RunWith(args);
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  InputTexts in = kDesignedInputs;
  in.pgaZoneIndex = 4;
  in.tgZoneIndex = 2;
  const ParameterSet p = CalculateFromTexts(in);
  const std::vector<std::vector<std::string>> rows = SaRows(run.out, "III");
  ASSERT_EQ(rows.size(), periods.size());
  for (std::size_t i = 0; i < periods.size(); ++i) {
    std::vector<std::string> expected = {FormatFourDecimals(periods[i])};
    const double shown = ParseDecimalText(expected[0]);
    for (int l = 0; l < kLevelCount; ++l) {
      expected.push_back(FormatFourDecimals(
          SpectralAcceleration(shown, 0.1, p.FTg[l][scIII], p.FPga[l][scIII], p.FBetaMax)));
    }
    ASSERT_EQ(rows[i], expected) << args[i + 6];
  }
}

// Acceptance: the periods the report writes, typed back as the report shows them, give the
// report's own spectrum lines, for every site class.
TEST(RunCliPeriod, ReportsSamplePeriodsGiveTheReportsLines) {
  for (const char* site : kSiteClassLabels) {
    const std::vector<std::string> lines =
        test::SplitCrLf(RunWith({"--encoding=UTF-8", "--report=-", "--site", site}).out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kReportLineCount));
    std::vector<std::string> args = {"--encoding=UTF-8", "--site", site};
    for (int i = 0; i < SpectrumPointCount; ++i) {
      const std::string& line = lines[static_cast<std::size_t>(32 + i)];
      args.push_back("--period=" + line.substr(0, line.find(',')));
    }
    const std::vector<std::vector<std::string>> rows = SaRows(RunWith(args).out, site);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(SpectrumPointCount));
    for (int i = 0; i < SpectrumPointCount; ++i) {
      std::string joined;
      for (const std::string& cell : rows[static_cast<std::size_t>(i)])
        joined.append(joined.empty() ? "" : ",").append(cell);
      EXPECT_EQ(joined, lines[static_cast<std::size_t>(32 + i)]) << site;
    }
  }
}

}  // namespace
}  // namespace gb
