#include "text/DecimalToExtended.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdlib>
#include <random>
#include <string>

#include "tests/support/LongDouble.h"

namespace gb::detail {
namespace {

// Correctly rounded on any processor; on x86 the C library's strtold is correctly rounded too,
// and the program used it, so it is the reference there: texts of many digits, ties and their
// neighbours, the ends of the range and beyond.
TEST(DecimalToExtended, IsStrtoldBitForBit) {
  if (LDBL_MANT_DIG != 64) GTEST_SKIP() << "strtold is not the x87 format's here";
  std::mt19937_64 random(4932);
  const auto digitsOf = [&](int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + random() % 10);
    return digits;
  };
  int checked = 0;
  for (int n = 0; n < 40000; ++n) {
    std::string digits = digitsOf(1 + static_cast<int>(random() % 41));
    if (n % 5 == 0) {  // runs of nines and zeros, where carries and ties lie
      digits = std::string(1 + random() % 30, n % 10 == 0 ? '9' : '0');
      digits.front() = static_cast<char>('1' + random() % 9);
      digits.push_back('5');
      digits.append(random() % 12, '0');
    }
    std::int64_t scale;
    switch (n % 4) {
      case 0:
        scale = static_cast<std::int64_t>(random() % 9900) - 4970;  // the whole range and beyond
        break;
      case 1:
        scale = static_cast<std::int64_t>(random() % 80) - 40;
        break;
      case 2:
        scale = 4932 - static_cast<std::int64_t>(digits.size()) +
                static_cast<std::int64_t>(random() % 3) - 1;
        break;
      default:
        scale = -4951 - static_cast<std::int64_t>(digits.size()) +
                static_cast<std::int64_t>(random() % 5) - 2;
    }
    std::string text = digits;
    text.append("e").append(std::to_string(scale));
    const long double reference = std::strtold(text.c_str(), nullptr);
    const Extended mine = DecimalToExtended(digits, scale);
    const Extended theirs = test::FromLongDouble(reference);
    ASSERT_TRUE(mine.BiasedExponent() == theirs.BiasedExponent() &&
                mine.Significand() == theirs.Significand())
        << text;
    ++checked;
  }
  EXPECT_EQ(checked, 40000);
}

TEST(DecimalToExtended, KnownValues) {
  EXPECT_TRUE(DecimalToExtended("0000", 5).IsZero());
  EXPECT_TRUE(DecimalToExtended("1", 4933).IsInfinite());
  EXPECT_TRUE(DecimalToExtended("1", -4952).IsZero());
  EXPECT_EQ(DecimalToExtended("1", 0).ToDouble(), 1.0);
  EXPECT_EQ(DecimalToExtended("25", -1).ToDouble(), 2.5);
  EXPECT_EQ(DecimalToExtended("00125", -3).ToDouble(), 0.125);
  EXPECT_EQ(DecimalToExtended("1", 308).ToDouble(), 1e308);
  EXPECT_EQ(DecimalToExtended("49406564584124654", -340).ToDouble(), 5e-324);
}

}  // namespace
}  // namespace gb::detail
