#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/DesignResponse.h"
#include "engine/SaAtPeriod.h"
#include "report/ParsePeriodText.h"
#include "report/SaReadings.h"
#include "report/SaReadout.h"
#include "tests/text/SeparatorGuard.h"
#include "text/DecimalFormats.h"
#include "text/ErrorText.h"
#include "text/Errors.h"

namespace gb {
namespace {

using namespace test;

// The error box's text, or "" when `read` succeeds.
template <class Read>
std::string ErrorOf(Read&& read) {
  try {
    read();
  } catch (const Exception& e) {
    return ErrorBoxText(e.Message());
  }
  return "";
}

TEST(ParsePeriodText, NumbersAndNoNegativePeriod) {
  DefaultParameters();  // "." and ","
  const struct {
    const char* text;
    double period;
    const char* error;
  } kCases[] = {
      {" \t1.234\r\n", 1.234, ""},
      {"-0", 0, ""},       // zero, not negative
      {"-1e-400", 0, ""},  // underflows to zero
      {"-1", 0, "Period must not be negative: '-1'."},
      {"  -0.001\t", 0, "Period must not be negative: '-0.001'."},
      {"", 0, "'' is not a valid floating point value."},
      {"1,5", 0, "'1,5' is not a valid floating point value."},
      {"1e999", 0, "Floating point overflow."},
  };
  for (const auto& c : kCases) {
    double period = 0;
    EXPECT_EQ(ErrorOf([&] { period = ParsePeriodText(c.text); }), c.error) << c.text;
    EXPECT_EQ(period, c.period) << c.text;
  }
}

TEST(SpectrumReadoutAt, ValuesAreThoseOfThePeriodShown) {
  const ParameterSet p = DefaultParameters();
  // On the steep rising line 0.00004 s moves the very rare Sa of class III by about 0.0001 g.
  const std::optional<SpectrumReadoutTexts> texts = SpectrumReadoutAt(p, scIII, 0.05004);
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->period, "0.0500");
  EXPECT_EQ(texts->values[lvVeryRare], ReadSpectrum(p, scIII, 0.05).saTexts[lvVeryRare]);
  EXPECT_NE(texts->values[lvVeryRare],
            FormatFourDecimals(SpectrumOrdinateAt(p, lvVeryRare, scIII, 0.05004)));
  // Typed periods follow the same rule: the row shows 0.0500 and holds Sa at 0.0500.
  const SpectrumReading typed = ReadSpectrum(p, scIII, 0.05004);
  EXPECT_EQ(typed.periodText, "0.0500");
  EXPECT_EQ(typed.period, 0.05);
  EXPECT_EQ(typed.saTexts[lvVeryRare], texts->values[lvVeryRare]);
  EXPECT_EQ(ReadSpectrum(p, scII, std::numeric_limits<double>::max()).period,
            std::numeric_limits<double>::max());
  // The numbers beside the texts, for documents that write numbers.
  EXPECT_EQ(ReadSpectrum(p, scII, 1.234).sa[lvBasic],
            SpectralAcceleration(1.234, 0.1, 0.35, 0.05, 2.5));
}

TEST(SpectrumReadoutAt, EdgesFaultsAndSeparators) {
  ParameterSet p = DefaultParameters();
  EXPECT_FALSE(SpectrumReadoutAt(p, scII, -0.00005));                          // shows as -0.0001
  EXPECT_EQ(SpectrumReadoutAt(p, scII, -0.00004)->values[lvBasic], "0.0500");  // as 0.0000
  EXPECT_EQ(SpectrumReadoutAt(p, scII, 1e20)->period, "1E20");
  // Its 15-digit text reads back above the largest double.
  EXPECT_FALSE(SpectrumReadoutAt(p, scII, std::numeric_limits<double>::max()));
  p.FTg[lvRare][scII] = -0.4;
  testing::SeparatorGuard comma(u',', u'.');
  const std::optional<SpectrumReadoutTexts> texts = SpectrumReadoutAt(p, scII, 1.234);
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->period, "1,2340");
  EXPECT_EQ(texts->values[lvBasic], "0,0402");
  EXPECT_EQ(texts->values[lvRare], "Invalid floating point operation");
}

TEST(SpectrumChartReading, TheReadOutInLevelOrderOrNothing) {
  const ParameterSet p = DefaultParameters();
  const std::optional<SpectrumReadoutTexts> texts = SpectrumReadoutAt(p, scIII, 0.7);
  const std::optional<ChartReading> reading = SpectrumChartReading(p, scIII, 0.7);
  ASSERT_TRUE(texts && reading);
  EXPECT_EQ(reading->period, texts->period);
  EXPECT_EQ(reading->values,
            std::vector<std::string>(std::begin(texts->values), std::end(texts->values)));
  EXPECT_FALSE(SpectrumChartReading(p, scII, -0.00005));
}

}  // namespace
}  // namespace gb
