#include "text/DecimalFormats.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <iomanip>
#include <limits>
#include <string>

#include "tests/support/LongDouble.h"
#include "tests/text/SeparatorGuard.h"

namespace gb {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();

struct FormatRow {
  long double value;
  std::string text;
  friend void PrintTo(const FormatRow& r, std::ostream* os) {
    *os << std::setprecision(21) << r.value;
  }
};

class FourDecimalsTest : public ::testing::TestWithParam<FormatRow> {};
TEST_P(FourDecimalsTest, Text) {
  EXPECT_EQ(FormatFourDecimals(test::FromLongDouble(GetParam().value)), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, FourDecimalsTest,
    ::testing::Values(FormatRow{0.0, "0.0000"}, FormatRow{-0.0, "0.0000"},
                      FormatRow{0.036, "0.0360"}, FormatRow{0.016665, "0.0167"},
                      FormatRow{0.03125, "0.0313"}, FormatRow{-0.03125, "-0.0313"},
                      FormatRow{0.00005, "0.0001"}, FormatRow{-0.00004, "0.0000"},
                      FormatRow{2.5, "2.5000"}, FormatRow{123.456, "123.4560"},
                      FormatRow{12345.678, "12345.6780"},
                      FormatRow{999999999999999872.0, "999999999999999872.0000"},
                      FormatRow{1e18, "1E18"}, FormatRow{2.5e20, "2.5E20"}, FormatRow{kInf, "INF"},
                      FormatRow{2.5L * 0.0625L, "0.1563"}, FormatRow{0.99995, "1.0000"},
                      FormatRow{-9.99996, "-10.0000"}, FormatRow{1e-300, "0.0000"}));

class GeneralDecimalTest : public ::testing::TestWithParam<FormatRow> {};
TEST_P(GeneralDecimalTest, Text) {
  EXPECT_EQ(FormatGeneralDecimal(test::FromLongDouble(GetParam().value)), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, GeneralDecimalTest,
    ::testing::Values(FormatRow{2.9, "2.9"}, FormatRow{0.3333, "0.3333"}, FormatRow{0.05, "0.05"},
                      FormatRow{2.5, "2.5"}, FormatRow{100, "100"}, FormatRow{-2.5, "-2.5"},
                      FormatRow{0.0, "0"}, FormatRow{-0.0, "0"},
                      FormatRow{1.0 / 3, "0.333333333333333"},
                      FormatRow{2.0 / 3, "0.666666666666667"}, FormatRow{0.1 + 0.2, "0.3"},
                      FormatRow{0.0001, "0.0001"}, FormatRow{0.00005, "5E-5"},
                      FormatRow{0.0000123, "1.23E-5"}, FormatRow{-0.0000001, "-1E-7"},
                      FormatRow{1e14, "100000000000000"}, FormatRow{1e15, "1E15"},
                      FormatRow{123456789012345678.0, "1.23456789012346E17"},
                      FormatRow{DBL_MAX, "1.79769313486232E308"},
                      FormatRow{std::numeric_limits<long double>::quiet_NaN(), "NAN"},
                      FormatRow{-kInf, "-INF"}, FormatRow{999999999999999.5, "1E15"},
                      FormatRow{0xf.fffffffffffffffp+16380L, "1.18973149535723E4932"},
                      FormatRow{0x1p-16445L, "3.64519953188247E-4951"}));

struct GroupedRow {
  long double value;
  std::string sevenDecimals;
  std::string eightDecimals;
  friend void PrintTo(const GroupedRow& r, std::ostream* os) {
    *os << std::setprecision(21) << r.value;
  }
};
class GroupedDecimalTest : public ::testing::TestWithParam<GroupedRow> {};
TEST_P(GroupedDecimalTest, Text) {
  EXPECT_EQ(FormatGroupedDecimal(test::FromLongDouble(GetParam().value), 7),
            GetParam().sevenDecimals);
  EXPECT_EQ(FormatGroupedDecimal(test::FromLongDouble(GetParam().value), 8),
            GetParam().eightDecimals);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, GroupedDecimalTest,
    ::testing::Values(
        GroupedRow{0, "0", "0"}, GroupedRow{0.5, "0.5", "0.5"}, GroupedRow{0.35, "0.35", "0.35"},
        GroupedRow{6, "6", "6"}, GroupedRow{1234.5, "1,234.5", "1,234.5"},
        GroupedRow{123456789, "123,456,789", "123,456,789"}, GroupedRow{0.1 + 0.2, "0.3", "0.3"},
        GroupedRow{0.123456789, "0.1234568", "0.12345679"},
        GroupedRow{999999.99999999, "1,000,000", "999,999.99999999"},
        GroupedRow{-0.00000004, "0", "-0.00000004"}, GroupedRow{-1234.5, "-1,234.5", "-1,234.5"},
        GroupedRow{1e18, "1E18", "1E18"}, GroupedRow{-kInf, "-INF", "-INF"}));

TEST(DecimalFormats, WriteTheSeparatorsInForceAsUtf8) {
  {
    const testing::SeparatorGuard guard(u',', u'.');
    EXPECT_EQ(FormatFourDecimals(2.5), "2,5000");
    EXPECT_EQ(FormatGeneralDecimal(0.0000123), "1,23E-5");
    EXPECT_EQ(FormatGroupedDecimal(1234567.25, 7), "1.234.567,25");
  }
  {
    const testing::SeparatorGuard guard(u'.', u'\0');
    EXPECT_EQ(FormatGroupedDecimal(1234.5, 7), "1234.5");
  }
  const testing::SeparatorGuard guard(u'\u066B', u'\u202F');
  EXPECT_EQ(FormatGroupedDecimal(1234.5, 7), "1\u202F234\u066B5");
}

}  // namespace
}  // namespace gb
