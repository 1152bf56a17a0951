// Each format read back as its program reads it, and its exact lines for the window's inputs.
#include "spectrumfile/SpectrumFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/CalculateFromTexts.h"
#include "engine/DesignedInputs.h"
#include "spectrumfile/SaveSpectrumFile.h"
#include "spectrumfile/SpectrumFunction.h"
#include "text/Errors.h"
#include "text/NumberSeparators.h"

namespace gb {
namespace {

std::vector<std::string> SplitLines(const std::string& text, std::string_view end) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size()) {
    lines.push_back(text.substr(start, at - start));
  }
  EXPECT_EQ(start, text.size()) << "the last line is ended too";
  return lines;
}

std::vector<double> Numbers(std::string_view text) {
  std::vector<double> numbers;
  std::string word;
  std::istringstream in{std::string(text)};
  while (in >> word) {
    if (word.ends_with(',')) word.pop_back();
    char* end = nullptr;
    numbers.push_back(std::strtod(word.c_str(), &end));
    EXPECT_EQ(*end, '\0') << word;
  }
  return numbers;
}

// The points as each program reads them back.
std::vector<SpectrumPoint> ReadBack(SpectrumFileFormat format, const std::string& text) {
  std::vector<SpectrumPoint> points;
  const std::vector<std::string> lines = SplitLines(text, "\n");
  if (format == SpectrumFileFormat::OpenSees) {
    const std::size_t time = text.find("-time {"), values = text.find("-values {");
    const std::vector<double> t = Numbers(text.substr(time + 7, text.find('}', time) - time - 7));
    const std::vector<double> v =
        Numbers(text.substr(values + 9, text.find('}', values) - values - 9));
    EXPECT_EQ(t.size(), v.size());
    for (std::size_t i = 0; i < t.size() && i < v.size(); ++i) points.push_back({t[i], v[i]});
    return points;
  }
  bool data = format == SpectrumFileFormat::Csi;
  for (const std::string& line : lines) {
    if (format == SpectrumFileFormat::Sgs && (line == "*DATA" || line == "*ENDDATA")) {
      data = line == "*DATA";
      continue;
    }
    if (!data || line.starts_with("$")) continue;
    const std::vector<double> pair = Numbers(line);
    EXPECT_EQ(pair.size(), 2u) << line;
    if (pair.size() == 2) points.push_back({pair[0], pair[1]});
  }
  return points;
}

class SpectrumFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DecimalSeparator = u'.';
    ThousandSeparator = u',';
  }
};

TEST_F(SpectrumFileTest, EveryFormatReadsBackAsTheFunctionsPoints) {
  std::mt19937_64 random(2015);
  for (int run = 0; run < 50; ++run) {
    const ParameterSet p = CalculateFromTexts(
        {static_cast<int>(random() % kPgaZoneCount), static_cast<int>(random() % kTgZoneCount),
         "2.9", "1.9", "0.3333", "0.0" + std::to_string(random() % 100), "0.05",
         std::to_string(2 + random() % 2) + ".5"});
    const Level level = kLevels[random() % kLevelCount];
    const SiteClass site = kSiteClasses[random() % kSiteClassCount];
    const SpectrumFileContent content{"0.05", "0.35", p, level, site};
    const std::vector<SpectrumPoint> expected = SpectrumFunctionPoints(p, level, site);
    for (const SpectrumFileFormat format :
         {SpectrumFileFormat::Sgs, SpectrumFileFormat::Csi, SpectrumFileFormat::OpenSees}) {
      const std::vector<SpectrumPoint> read =
          ReadBack(format, SpectrumFileText(format, content, "\n"));
      ASSERT_EQ(read.size(), expected.size()) << SpectrumFileFormatOf(format).Name;
      for (std::size_t i = 0; i < read.size(); ++i) {
        ASSERT_EQ(read[i].period, expected[i].period) << SpectrumFileFormatOf(format).Name << i;
        ASSERT_EQ(read[i].sa, expected[i].sa) << SpectrumFileFormatOf(format).Name << i;
      }
    }
    // CSV: the union of the levels' periods, each level's value in its column.
    const std::vector<std::string> lines =
        SplitLines(SpectrumFileText(SpectrumFileFormat::Csv, content, "\n"), "\r\n");
    const std::vector<double> periods = SpectrumFunctionPeriods(p, site);
    ASSERT_EQ(lines.size(), periods.size() + 3);
    for (std::size_t i = 0; i < periods.size(); ++i) {
      std::string line = lines[i + 3];
      for (char& c : line) c = c == ',' ? ' ' : c;
      const std::vector<double> row = Numbers(line);
      ASSERT_EQ(row.size(), 5u);
      EXPECT_EQ(row[0], periods[i]);
      for (const Level l : kLevels) {
        EXPECT_EQ(row[1 + l], SpectrumFunctionValue(p, l, site, periods[i])) << i;
      }
    }
  }
}

// The window's first inputs, basic level, site class II (Tg 0.35 s, which stands for the sample
// 14 x 0.025 s = 0.35000000000000003): the lines as each program's manual describes them. The
// samples are i x 0.025 s as the chart and the report compute them (0.07500000000000001 is the
// third), and Sa(6 s) is the report's 0.0097.
TEST_F(SpectrumFileTest, TheWindowsInputsLineByLine) {
  const ParameterSet p = CalculateFromTexts(kDesignedInputs);
  const SpectrumFileContent content{"0.05", "0.35", p, lvBasic, scII};
  struct Case {
    SpectrumFileFormat format;
    std::vector<std::string> first;
    std::vector<std::string> last;
  };
  const std::string title = "GB 18306-2015 基本地震动 II类场地 设计加速度反应谱 A=0.05g Tg=0.35s";
  const std::string inputs =
      "II类场地 PGA=0.05g Tg=0.35s K1=2.9 K2=1.9 K3=0.3333 罕遇ΔTg=0.05s 极罕遇ΔTg=0.05s βm=2.5";
  const Case cases[] = {
      {SpectrumFileFormat::Sgs,
       {"*SGSw", "*TITLE, " + title, "*TITLE, " + inputs, "*X-AXIS, Period (sec)",
        "*Y-AXIS, Spectral Acceleration (g)", "*UNIT&TYPE, GRAV, ACCEL", "*FLAGS, 0, 0", "*DATA",
        "0, 0.05", "0.025, 0.06875"},
       {"6, 0.009688022250430452", "*ENDDATA"}},
      {SpectrumFileFormat::Csi,
       {"$ " + title, "$ " + inputs, "$ Period (s)  Sa (g)", "0 0.05", "0.025 0.06875"},
       {"6 0.009688022250430452"}},
      {SpectrumFileFormat::OpenSees,
       {"# " + title, "# " + inputs,
        "# Sa in g at the periods in s, as series 1: responseSpectrumAnalysis 1 DIR -scale g",
        "timeSeries Path 1 -time {",
        "    0 0.025 0.05 0.07500000000000001 0.1 0.125 0.15000000000000002 0.17500000000000002"},
       {"    0.009688022250430452", "}"}},
      {SpectrumFileFormat::Csv,
       {"GB 18306-2015 II类场地 设计加速度反应谱 (g)", inputs,
        "T (s),多遇地震动,基本地震动,罕遇地震动,极罕遇地震动"},
       {"6,0.0032290178160684696,0.009688022250430452,0.020757807531462703,0.03168296939012728"}},
  };
  // One point at the corner, on the platform.
  const std::string sgs = SpectrumFileText(SpectrumFileFormat::Sgs, content, "\n");
  EXPECT_NE(sgs.find("\n0.325, 0.125\n0.35, 0.125\n0.375, "), std::string::npos);
  for (const Case& c : cases) {
    const std::string text = SpectrumFileText(c.format, content, "\n");
    const std::vector<std::string> lines =
        SplitLines(text, c.format == SpectrumFileFormat::Csv ? "\r\n" : "\n");
    ASSERT_GE(lines.size(), c.first.size() + c.last.size());
    for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(lines[i], c.first[i]);
    for (std::size_t i = 0; i < c.last.size(); ++i) {
      EXPECT_EQ(lines[lines.size() - c.last.size() + i], c.last[i]);
    }
  }
}

TEST_F(SpectrumFileTest, NamesAndBytes) {
  EXPECT_EQ(SpectrumFileFormatNamed("opensees"), SpectrumFileFormat::OpenSees);
  EXPECT_FALSE(SpectrumFileFormatNamed("SGS"));
  EXPECT_EQ(LevelNamed("very-rare"), lvVeryRare);
  EXPECT_EQ(LevelNamed("罕遇地震动"), lvRare);
  EXPECT_FALSE(LevelNamed("very_rare"));
  const auto u8 = [](std::string_view s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
  };
  const std::pair<const char*, const char*> names[] = {
      {"反应谱.sgs", "反应谱-基本地震动.sgs"},
      {"a.b/spectrum", "a.b/spectrum-基本地震动"},
      {"x/.tcl", "x/.tcl-基本地震动"},
  };
  for (const auto& [name, expected] : names) {
    EXPECT_EQ(LevelFilePath(u8(name), lvBasic), u8(expected)) << name;
  }

  // GBK bytes, and the unknown code page refused before anything is computed.
  const ParameterSet p = CalculateFromTexts(kDesignedInputs);
  const std::string gbk =
      SpectrumFileBytes(SpectrumFileFormat::Csi, {"0.05", "0.35", p, lvRare, scI0}, "GBK");
  EXPECT_NE(gbk.find("\xBA\xB1\xD3\xF6"), std::string::npos);  // 罕遇
  EXPECT_THROW(
      SpectrumFileBytes(SpectrumFileFormat::Csi, {"0.05", "0.35", p, lvRare, scI0}, "no-such"),
      Exception);
}

}  // namespace
}  // namespace gb
