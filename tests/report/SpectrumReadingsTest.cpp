#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/DesignResponse.h"
#include "report/ParsePeriodText.h"
#include "report/ReportLines.h"
#include "report/SpectrumReadings.h"
#include "report/SpectrumReadout.h"
#include "tests/text/SeparatorGuard.h"
#include "text/ErrorText.h"
#include "text/Errors.h"

namespace gb {
namespace {

using namespace test;

// ---------------------------------------------------------------------------------------------
// ParsePeriodText

struct PeriodTextCase {
  const char* text;
  double period;
  friend void PrintTo(const PeriodTextCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class PeriodTextAccepted : public ::testing::TestWithParam<PeriodTextCase> {};

TEST_P(PeriodTextAccepted, Value) {
  DefaultParameters();  // "." and ","
  EXPECT_EQ(ParsePeriodText(GetParam().text), GetParam().period) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, PeriodTextAccepted,
                         ::testing::Values(PeriodTextCase{"1.234", 1.234}, PeriodTextCase{"0", 0},
                                           PeriodTextCase{" \t0.5\r\n", 0.5},
                                           PeriodTextCase{"-0", 0},       // zero, not negative
                                           PeriodTextCase{"-1e-400", 0},  // underflows to -0
                                           PeriodTextCase{"2E1", 20}, PeriodTextCase{".5", 0.5}));

struct PeriodTextError {
  const char* text;
  const char* message;
  friend void PrintTo(const PeriodTextError& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class PeriodTextRejected : public ::testing::TestWithParam<PeriodTextError> {};

TEST_P(PeriodTextRejected, Message) {
  DefaultParameters();
  try {
    ParsePeriodText(GetParam().text);
    ADD_FAILURE() << "accepted " << GetParam().text;
  } catch (const Exception& e) {
    EXPECT_EQ(ErrorBoxText(e.Message()), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PeriodTextRejected,
    ::testing::Values(PeriodTextError{"-1", "Period must not be negative: '-1'."},
                      PeriodTextError{"  -0.001\t", "Period must not be negative: '-0.001'."},
                      PeriodTextError{"-4.9e-324", "Period must not be negative: '-4.9e-324'."},
                      PeriodTextError{"abc", "'abc' is not a valid floating point value."},
                      PeriodTextError{"", "'' is not a valid floating point value."},
                      PeriodTextError{"1,5", "'1,5' is not a valid floating point value."},
                      PeriodTextError{"-abc", "'-abc' is not a valid floating point value."},
                      PeriodTextError{"1e999", "Floating point overflow."}));

TEST(ParsePeriodText, FollowsTheDecimalSeparator) {
  testing::SeparatorGuard comma(u',', u'.');
  EXPECT_EQ(ParsePeriodText("1,5"), 1.5);
  EXPECT_THROW(ParsePeriodText("1.5"), EConvertError);
}

// ---------------------------------------------------------------------------------------------
// ReadSpectrum, ReadSpectrumAtTexts

std::string Line(const SpectrumReading& r) {
  std::string line = r.periodText;
  for (const std::string& sa : r.saTexts) line.append(",").append(sa);
  return line;
}

TEST(ReadSpectrum, AtTheSamplePeriodsGivesTheReportsSpectrumLines) {
  const ParameterSet p = DefaultParameters();
  const ResultGrids grids(p);
  for (int s = 0; s < kSiteClassCount; ++s) {
    const std::vector<std::string> lines =
        BuildReportLines("0.05", "0.35", p, grids.pga, grids.period, grids.platform, s);
    for (int i = 0; i < SpectrumPointCount; ++i) {
      ASSERT_EQ(Line(ReadSpectrum(p, s, SamplePeriod(i))), lines[32 + i]) << "class " << s;
    }
  }
}

TEST(ReadSpectrum, KeepsTheNumbersBesideTheirTexts) {
  const ParameterSet p = DefaultParameters();
  const SpectrumReading r = ReadSpectrum(p, scII, 1.234);
  EXPECT_EQ(r.period, 1.234);
  EXPECT_EQ(Line(r), "1.2340,0.0134,0.0402,0.0862,0.1315");
  EXPECT_EQ(r.sa[lvBasic], SpectralAcceleration(1.234, 0.1, 0.35, 0.05, 2.5));
}

TEST(ReadSpectrumAtTexts, KeepsTheOrderGiven) {
  const ParameterSet p = DefaultParameters();
  const std::string texts[] = {"6", "0", " 1.234 ", "20", "0.375"};
  std::vector<std::string> lines;
  for (const SpectrumReading& r : ReadSpectrumAtTexts(p, scII, texts)) lines.push_back(Line(r));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "6.0000,0.0032,0.0097,0.0208,0.0317", "0.0000,0.0167,0.0500,0.0950,0.1450",
                       "1.2340,0.0134,0.0402,0.0862,0.1315", "20.0000,0.0011,0.0033,0.0070,0.0107",
                       "0.3750,0.0392,0.1175,0.2375,0.3625"}));
  EXPECT_TRUE(ReadSpectrumAtTexts(p, scII, {}).empty());
}

struct ListError {
  std::vector<std::string> texts;
  const char* message;
  friend void PrintTo(const ListError& c, std::ostream* os) { *os << c.message; }
};

class ReadSpectrumAtTextsErrors : public ::testing::TestWithParam<ListError> {};

TEST_P(ReadSpectrumAtTextsErrors, FirstErrorStopsTheList) {
  ParameterSet p = DefaultParameters();
  p.FTg[lvBasic][scII] = -0.35;  // the descending branch of the basic level is invalid
  try {
    ReadSpectrumAtTexts(p, scII, GetParam().texts);
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(ErrorBoxText(e.Message()), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ReadSpectrumAtTextsErrors,
    ::testing::Values(ListError{{"0.05", "-2", "x"}, "Period must not be negative: '-2'."},
                      ListError{{"x", "-2"}, "'x' is not a valid floating point value."},
                      ListError{{"0.05", "0.5", "x"}, "Invalid floating point operation."}));

// ---------------------------------------------------------------------------------------------
// SpectrumReadoutAt

TEST(SpectrumReadoutAt, ValuesAreThoseOfThePeriodShown) {
  const ParameterSet p = DefaultParameters();
  // On the steep rising line of the very rare level 0.00004 s moves Sa by about 0.0001 g.
  const double pointer = 0.05004;
  const std::optional<SpectrumReadoutTexts> texts = SpectrumReadoutAt(p, scIII, pointer);
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->period, "0.0500");
  const SpectrumReading shown = ReadSpectrum(p, scIII, 0.05);
  const SpectrumReading raw = ReadSpectrum(p, scIII, pointer);
  bool anyDiffers = false;
  for (int l = 0; l < kLevelCount; ++l) {
    EXPECT_EQ(texts->values[l], shown.saTexts[l]);
    anyDiffers = anyDiffers || raw.saTexts[l] != shown.saTexts[l];
  }
  EXPECT_TRUE(anyDiffers) << "the case no longer tells the two periods apart";
}

TEST(SpectrumReadoutAt, NothingLeftOfZeroButZeroForWhatShowsAsZero) {
  const ParameterSet p = DefaultParameters();
  EXPECT_FALSE(SpectrumReadoutAt(p, scII, -0.3));
  EXPECT_FALSE(SpectrumReadoutAt(p, scII, -0.00005));  // shows as -0.0001
  const std::optional<SpectrumReadoutTexts> nearZero = SpectrumReadoutAt(p, scII, -0.00004);
  ASSERT_TRUE(nearZero);
  EXPECT_EQ(nearZero->period, "0.0000");
  EXPECT_EQ(nearZero->values[lvBasic], "0.0500");
}

TEST(SpectrumReadoutAt, FaultingLevelShowsItsMessageAndTheOthersTheirValues) {
  ParameterSet p = DefaultParameters();
  p.FTg[lvRare][scII] = -0.4;
  const std::optional<SpectrumReadoutTexts> texts = SpectrumReadoutAt(p, scII, 1.234);
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->values[lvFrequent], "0.0134");
  EXPECT_EQ(texts->values[lvRare], "Invalid floating point operation");
  EXPECT_EQ(texts->values[lvVeryRare], "0.1315");
}

TEST(SpectrumReadoutAt, FarPeriodsStillReadOrGiveNothing) {
  const ParameterSet p = DefaultParameters();
  const std::optional<SpectrumReadoutTexts> far = SpectrumReadoutAt(p, scII, 1e20);
  ASSERT_TRUE(far);
  EXPECT_EQ(far->period, "1E20");
  EXPECT_EQ(far->values[lvVeryRare], "0.0000");
  // Its 15-digit text reads back above the largest double.
  EXPECT_FALSE(SpectrumReadoutAt(p, scII, std::numeric_limits<double>::max()));
}

TEST(SpectrumReadoutAt, UsesTheSeparatorsInForce) {
  const ParameterSet p = DefaultParameters();
  testing::SeparatorGuard comma(u',', u'.');
  const std::optional<SpectrumReadoutTexts> texts = SpectrumReadoutAt(p, scII, 1.234);
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->period, "1,2340");
  EXPECT_EQ(texts->values[lvBasic], "0,0402");
}

}  // namespace
}  // namespace gb
