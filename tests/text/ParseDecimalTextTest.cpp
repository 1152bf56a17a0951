#include "text/ParseDecimalText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "tests/text/SeparatorGuard.h"
#include "text/Errors.h"

namespace gb {
namespace {

struct ValidRow {
  std::string text;
  double value;
  friend void PrintTo(const ValidRow& r, std::ostream* os) { *os << '"' << r.text << '"'; }
};

class ParseValidTest : public ::testing::TestWithParam<ValidRow> {};
TEST_P(ParseValidTest, Value) {
  const double parsed = ParseDecimalText(GetParam().text);
  EXPECT_EQ(parsed, GetParam().value);
  EXPECT_EQ(std::signbit(parsed), std::signbit(GetParam().value));
}
INSTANTIATE_TEST_SUITE_P(
    Rows, ParseValidTest,
    ::testing::Values(ValidRow{"0.05", 0.05}, ValidRow{"  2.9  ", 2.9}, ValidRow{"\t2.9", 2.9},
                      ValidRow{"\r\n2.9\r\n", 2.9}, ValidRow{".", 0.0}, ValidRow{"5.", 5.0},
                      ValidRow{".5", 0.5}, ValidRow{"-.", -0.0}, ValidRow{"-0", -0.0},
                      ValidRow{"+7", 7.0}, ValidRow{"1e", 1.0}, ValidRow{"1E+", 1.0},
                      ValidRow{"1E5", 1e5}, ValidRow{"1e+5", 1e5}, ValidRow{"-0.25e-3", -0.25e-3},
                      ValidRow{"1e-400", 0.0}, ValidRow{"1e0000000005", 1e5},
                      ValidRow{"0.000000000000000000000000000000000001", 1e-36},
                      ValidRow{"123456789012345678901234567890", 123456789012345678901234567890.0},
                      ValidRow{"1.7976931348623158e308", DBL_MAX}, ValidRow{"4.9e-324", 4.9e-324},
                      // m / 10^18 rounded once to 64 bits lands on a double midpoint, which then
                      // goes to even: one unit below the correctly rounded double.
                      ValidRow{"1.000000000048884119", 0x1.0000000035bfap+0}));

struct InvalidRow {
  std::string text;
  std::string message;  // empty: only the exception type is checked
  friend void PrintTo(const InvalidRow& r, std::ostream* os) { *os << '"' << r.text << '"'; }
};

class ParseInvalidTest : public ::testing::TestWithParam<InvalidRow> {};
TEST_P(ParseInvalidTest, ThrowsConvertError) {
  try {
    ParseDecimalText(GetParam().text);
    FAIL() << "parsed";
  } catch (const EConvertError& e) {
    if (!GetParam().message.empty()) {
      EXPECT_EQ(e.Message(), GetParam().message);
    }
  }
}
INSTANTIATE_TEST_SUITE_P(
    Rows, ParseInvalidTest,
    ::testing::Values(InvalidRow{"", "'' is not a valid floating point value"},
                      InvalidRow{"   ", "'' is not a valid floating point value"},
                      InvalidRow{"  0.3x  ", "'0.3x' is not a valid floating point value"},
                      InvalidRow{"abc", "'abc' is not a valid floating point value"},
                      InvalidRow{"+", ""}, InvalidRow{"-", ""}, InvalidRow{"E5", ""},
                      InvalidRow{"1 5", ""}, InvalidRow{"1,5", ""}, InvalidRow{"0x10", ""},
                      InvalidRow{"INF", ""}, InvalidRow{"1e4933", ""}, InvalidRow{"1e4999", ""},
                      InvalidRow{"1e5000", "'1e5000' is not a valid floating point value"},
                      InvalidRow{"\xEF\xBC\x92\xEF\xBC\x8E\xEF\xBC\x99", ""},  // full-width 2.9
                      InvalidRow{"2.9\xC2\xA0", ""}, InvalidRow{"1e5x", ""},
                      InvalidRow{"1.2.3", ""}, InvalidRow{"--1", ""}, InvalidRow{"1e+-5", ""}));

TEST(ParseDecimalText, MagnitudesBetweenTheDoubleAndExtendedLimitsOverflow) {
  for (const char* text : {"1e999", "1e4932", "-1.8e308"}) {
    try {
      ParseDecimalText(text);
      FAIL() << text;
    } catch (const EOverflow& e) {
      EXPECT_EQ(e.Message(), "Floating point overflow");
    }
  }
}

TEST(ParseDecimalText, ReadsOnlyTheDecimalSeparatorInForce) {
  const testing::SeparatorGuard guard(u',', u'.');
  EXPECT_EQ(ParseDecimalText("2,9"), 2.9);
  EXPECT_THROW(ParseDecimalText("2.9"), EConvertError);
  EXPECT_THROW(ParseDecimalText("1.000"), EConvertError);
  const testing::SeparatorGuard arabic(u'\u066B', u'\0');
  EXPECT_EQ(ParseDecimalText("2\u066B9"), 2.9);
}

}  // namespace
}  // namespace gb
