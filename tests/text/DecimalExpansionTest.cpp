#include "tests/support/LongDouble.h"
#include "text/DecimalExpansion.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <limits>
#include <string>

namespace gb {
namespace {

struct ExpansionRow {
  long double value;
  int precision;
  int decimals;
  bool negative;
  std::string digits;
  int exponent;
  friend void PrintTo(const ExpansionRow& r, std::ostream* os) {
    *os << std::setprecision(21) << r.value << " (" << r.precision << ", " << r.decimals << ")";
  }
};

class ExpandDecimalTest : public ::testing::TestWithParam<ExpansionRow> {};

TEST_P(ExpandDecimalTest, DigitsSignAndExponent) {
  const ExpansionRow& row = GetParam();
  const DecimalExpansion e =
      ExpandDecimal(test::FromLongDouble(row.value), row.precision, row.decimals);
  EXPECT_EQ(e.kind, DecimalExpansion::Kind::Finite);
  EXPECT_EQ(std::string(e.digits, e.digitCount), row.digits);
  EXPECT_EQ(e.exponent, row.exponent);
  EXPECT_EQ(e.negative, row.negative);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExpandDecimalTest,
    ::testing::Values(
        // Ties at the 18th digit go to even, before any cut.
        ExpansionRow{100000000000000000.5L, 18, kUnlimitedDecimals, false, "1", 18},
        ExpansionRow{100000000000000001.5L, 18, kUnlimitedDecimals, false, "100000000000000002",
                     18},
        ExpansionRow{-100000000000000002.5L, 18, 4, true, "100000000000000002", 18},
        // The 18-digit rounding itself carries past d1.
        ExpansionRow{999999999999999999.5L, 18, 4, false, "1", 19},
        // Cut carries past d1.
        ExpansionRow{0.99995, 18, 4, false, "1", 1},
        // k = 0: d1 >= 5 gives "1" one decade up, d1 < 5 gives zero.
        ExpansionRow{0.00005, 18, 4, false, "1", -3}, ExpansionRow{-0.00004, 18, 4, false, "", 0},
        // k < 0.
        ExpansionRow{0.000009, 18, 4, false, "", 0},
        // Half away from zero on the 18 digits, not on the binary value (0.016665 is stored
        // slightly below the decimal).
        ExpansionRow{0.016665, 18, 4, false, "167", -1},
        ExpansionRow{-0.03125, 18, 4, true, "313", -1},
        ExpansionRow{1.0 / 3, 15, kUnlimitedDecimals, false, "333333333333333", 0},
        ExpansionRow{-0.0, 15, kUnlimitedDecimals, false, "", 0}));

TEST(ExpandDecimal, NonFiniteValuesKeepOnlyTheSignOfInfinity) {
  constexpr long double kInf = std::numeric_limits<long double>::infinity();
  constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
  EXPECT_EQ(ExpandDecimal(test::FromLongDouble(-kInf), 18, 4).kind,
            DecimalExpansion::Kind::Infinite);
  EXPECT_TRUE(ExpandDecimal(test::FromLongDouble(-kInf), 18, 4).negative);
  EXPECT_FALSE(ExpandDecimal(test::FromLongDouble(kInf), 18, 4).negative);
  EXPECT_EQ(ExpandDecimal(test::FromLongDouble(-kNaN), 18, 4).kind, DecimalExpansion::Kind::NaN);
  EXPECT_FALSE(ExpandDecimal(test::FromLongDouble(-kNaN), 18, 4).negative);
}

}  // namespace
}  // namespace gb
