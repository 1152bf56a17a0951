#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace gb {
namespace {

TEST(ParseCommandLine, ValuesInBothForms) {
  const std::vector<std::string_view> args = {"--pga=0.40",
                                              "--zone",
                                              "0.45",
                                              "--site",
                                              "IV",
                                              "--k1=-1",
                                              "--k2",
                                              "abc",
                                              "--k3=",
                                              "--rare-tg-increment",
                                              " 0.1 ",
                                              "--very-rare-tg-increment=a=b",
                                              "--beta-max",
                                              "1,234.5",
                                              "--report",
                                              "-",
                                              "--encoding=NOPE"};
  const ParsedCommandLine parsed = ParseCommandLine(args);
  ASSERT_EQ(parsed.action, CliAction::Run) << parsed.error;
  const CliOptions& o = parsed.options;
  EXPECT_EQ(o.pgaIndex, 5);
  EXPECT_EQ(o.tgZoneIndex, 2);
  EXPECT_EQ(o.siteClass, scIV);
  // Factor texts and code page names are checked only when the program runs.
  const std::string texts[] = {o.k1,     o.k2, o.k3, o.rareTgIncrement, o.veryRareTgIncrement,
                               o.betaMax};
  const std::string expected[] = {"-1", "abc", "", " 0.1 ", "a=b", "1,234.5"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(texts[i], expected[i]);
  EXPECT_EQ(o.report, "-");
  EXPECT_EQ(o.encoding, "NOPE");
}

// A batch row names its items as the drop-down lists' texts or their numbers; so does a run.
TEST(ParseCommandLine, ItemsNamedByTheirNumbers) {
  const std::pair<std::vector<std::string_view>, std::pair<int, int>> kCases[] = {
      {{"--pga", "0.1", "--zone=0.350"}, {1, 0}},
      {{"--pga=0.2", "--zone", "0.4"}, {3, 1}},
      {{"--pga", " .4 ", "--zone", "4.5e-1"}, {5, 2}},
  };
  for (const auto& [args, indexes] : kCases) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    ASSERT_EQ(parsed.action, CliAction::Run) << parsed.error;
    EXPECT_EQ(parsed.options.pgaIndex, indexes.first);
    EXPECT_EQ(parsed.options.tgZoneIndex, indexes.second);
  }
}

TEST(ParseCommandLine, ActionsAndUsageErrors) {
  const std::string needsValue =
      "option '--k1' needs a value (write --k1=TEXT for a text "
      "beginning with '-')";
  const struct {
    std::vector<std::string_view> args;
    CliAction action;
    std::string error;
  } kCases[] = {
      {{}, CliAction::Run, ""},
      {{"--help"}, CliAction::Help, ""},
      {{"--pga", "9", "--version", "--bogus"}, CliAction::Version, ""},
      {{"--bogus", "--help"}, CliAction::UsageError, "unknown option '--bogus'"},
      {{"--k1x=2"}, CliAction::UsageError, "unknown option '--k1x'"},
      {{"-k1", "2"}, CliAction::UsageError, "unexpected argument '-k1'"},
      {{"report.csv"}, CliAction::UsageError, "unexpected argument 'report.csv'"},
      {{"--k1"}, CliAction::UsageError, needsValue},
      {{"--k1", "-5"}, CliAction::UsageError, needsValue},
      {{"--k1", "--k2", "1"}, CliAction::UsageError, needsValue},
      {{"--help=yes"}, CliAction::UsageError, "option '--help' takes no value"},
      {{"--pga", "0.25"},
       CliAction::UsageError,
       "'0.25' is not a choice of --pga; choose one of 0.05, 0.10, 0.15, 0.20, 0.30, 0.40"},
      {{"--zone=0.3x"},
       CliAction::UsageError,
       "'0.3x' is not a choice of --zone; choose one of 0.35, 0.40, 0.45"},
      {{"--site", "ii"},
       CliAction::UsageError,
       "'ii' is not a choice of --site; choose one of I0, I1, II, III, IV"},
  };
  for (const auto& c : kCases) {
    const ParsedCommandLine parsed = ParseCommandLine(c.args);
    EXPECT_EQ(parsed.action, c.action) << c.error;
    EXPECT_EQ(parsed.error, c.error);
  }
}

TEST(ParseCommandLine, SheetAndChartOptions) {
  const struct {
    std::vector<std::string_view> args;
    int width, height;  // 0: a usage error
  } kCases[] = {
      {{}, 1200, 800},
      {{"--chart-size", "900x600"}, 900, 600},
      {{"--chart-size=50x10000"}, 50, 10000},
      {{"--chart-size", "49x600"}, 0, 0},
      {{"--chart-size", "900x10001"}, 0, 0},
      {{"--chart-size", "900"}, 0, 0},
      {{"--chart-size", "900X600"}, 0, 0},
      {{"--chart-size", "9x9x9"}, 0, 0},
      {{"--chart-size", "+900x600"}, 0, 0},
      {{"--chart-size", "0900x0600"}, 900, 600},
      {{"--chart-size", "99999999x600"}, 0, 0},
  };
  for (const auto& c : kCases) {
    std::vector<std::string_view> args = c.args;
    args.insert(args.end(), {"--chart", "c.png"});
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (c.width == 0) {
      EXPECT_EQ(parsed.action, CliAction::UsageError) << (c.args.empty() ? "" : c.args.back());
      EXPECT_TRUE(parsed.error.ends_with("each, e.g. 1200x800")) << parsed.error;
    } else {
      ASSERT_EQ(parsed.action, CliAction::Run) << parsed.error;
      EXPECT_EQ(parsed.options.chartWidth, c.width);
      EXPECT_EQ(parsed.options.chartHeight, c.height);
    }
  }

  const std::vector<std::string_view> all = {"--pdf", "s.pdf", "--chart", "c.SVG", "--report", "-"};
  const ParsedCommandLine parsed = ParseCommandLine(all);
  ASSERT_EQ(parsed.action, CliAction::Run) << parsed.error;
  EXPECT_EQ(parsed.options.pdf, "s.pdf");
  EXPECT_EQ(parsed.options.chart, "c.SVG");

  const struct {
    std::vector<std::string_view> args;
    std::string error;
  } kErrors[] = {
      {{"--chart", "c.jpg"}, "the chart file 'c.jpg' must end in .png or .svg"},
      {{"--chart", "png"}, "the chart file 'png' must end in .png or .svg"},
      {{"--report", "-", "--pdf", "-"},
       "only one of --report and --pdf can write to the standard output"},
  };
  for (const auto& c : kErrors) {
    const ParsedCommandLine e = ParseCommandLine(c.args);
    EXPECT_EQ(e.action, CliAction::UsageError);
    EXPECT_EQ(e.error, c.error);
  }
}

// Which of two values was meant cannot be known, and an option a mode would drop must not look
// as if it had been followed.
TEST(ParseCommandLine, RepeatedAndUnusedOptions) {
  const std::pair<std::vector<std::string_view>, std::string> kCases[] = {
      {{"--pga", "0.10", "--pga=0.40"}, "option '--pga' is given more than once"},
      {{"--batch", "a", "--batch", "b"}, "option '--batch' is given more than once"},
      {{"--batch", "a", "--output", "x", "--output=y"},
       "option '--output' is given more than once"},
      {{"--k1=2", "--k1=2"}, "option '--k1' is given more than once"},
      {{"--batch", "a", "--period=abc"},
       "--period does not go with --batch: give the rows a period column"},
      {{"--batch", "a", "--pga", "0.1"},
       "--pga does not go with --batch: every row gives its own in the column pga"},
      {{"--zone", "0.4", "--batch", "a"},
       "--zone does not go with --batch: every row gives its own in the column zone"},
      {{"--batch", "a", "--format=jsonl", "--encoding", "GBK"},
       "--encoding does not go with --format jsonl, which is always UTF-8"},
      {{"--format=json", "--encoding", "GBK"},
       "--encoding does not go with --format json, which is always UTF-8"},
      {{"--pdf", "s.pdf", "--period", "1"},
       "--period prints Sa beside the result tables; it does not go with --report, --pdf or "
       "--chart"},
      {{"--pdf", "s.pdf", "--encoding", "GBK"},
       "--encoding is the code page of the report and the tables; it does not go with --pdf or "
       "--chart alone"},
      {{"--chart-size", "900x600"}, "--chart-size needs --chart"},
      {{"--project", "P", "--report", "r.csv"},
       "--project and --site-name go on the calculation sheet; they need --pdf"},
  };
  for (const auto& [args, error] : kCases) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    EXPECT_EQ(parsed.action, CliAction::UsageError) << error;
    EXPECT_EQ(parsed.error, error);
  }
  // What each mode does use.
  const std::vector<std::string_view> used[] = {
      {"--period", "1", "--period", "2", "--encoding", "GBK", "--site", "IV"},
      {"--batch", "a", "--site", "I0", "--k1", "3", "--encoding", "GBK", "--output", "o"},
      {"--pdf", "s.pdf", "--report", "r.csv", "--encoding", "GBK", "--project", "P", "--site-name",
       "S"},
      {"--format", "json", "--period", "1"},
  };
  for (const auto& args : used) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    EXPECT_EQ(parsed.action, CliAction::Run) << parsed.error;
  }
}

}  // namespace
}  // namespace gb
