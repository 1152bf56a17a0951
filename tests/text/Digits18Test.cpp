#include "text/Digits18.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>

#include "tests/support/X87.h"
#include "text/Digits18Rounding.h"

namespace gb::detail {
namespace {

Extended FromBits(std::uint64_t significand, int biasedExponent) {
  return Extended::FromFields(false, biasedExponent, significand);
}

#if GB_HAVE_X87
// glibc prints the exact binary value and rounds half to even, which the tests below confirm on
// constructed ties; that makes it an independent oracle where long double is the x87 format.
Digits18 PrintfDigits18(Extended x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17Le", ToX87(x));
  std::uint64_t digits = static_cast<std::uint64_t>(text[0] - '0');
  for (int i = 2; i < 19; ++i) digits = digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
  return {digits, std::atoi(text + 20) + 1};
}
#endif

TEST(Digits18, FloorLog10Pow2IsExactOverTheWholeExtendedRange) {
  for (int e = -16500; e <= 16500; ++e) {
    ASSERT_EQ(FloorLog10Pow2(e), static_cast<int>(std::floor(e * std::log10(2.0L)))) << e;
  }
}

// Ties exist only where a * 2^-j has exactly 19 significant digits, i.e. j <= 27; build them all.
TEST(Digits18, ExactTiesRoundToEvenInBothPathsAndInPrintf) {
  std::mt19937_64 random(18);
  for (int j = 0; j <= 27; ++j) {
    const UInt128 power5 = kPow10U128[j] >> j;
    const UInt128 lowest = (kPow10U128[18] + power5 - 1) / power5;
    const UInt128 highest = std::min<UInt128>((kPow10U128[19] - 1) / power5, ~std::uint64_t{0});
    for (int n = 0; n < 200; ++n) {
      std::uint64_t a = static_cast<std::uint64_t>(lowest + random() % (highest - lowest + 1));
      if (j == 0) a = a / 10 * 10 + 5;  // ends in 5 so the dropped 19th digit is a lone 5
      if (j > 0) a |= 1;
      if (a > highest) continue;
      const UInt128 exact = a * power5;
      const auto head = static_cast<std::uint64_t>(exact / 10);
      const Digits18 expected = {head + (head & 1), 19 - j};
      if (expected.digits == kPow10U64[18]) continue;  // carry case, checked separately
      const Extended x = Extended::FromUnsigned(a).Scaled(-j);
      Digits18 fast;
      ASSERT_EQ(RoundToDigits18Exact(DecomposeFinite(x)), expected) << a << " j=" << j;
      if (RoundToDigits18Fast(DecomposeFinite(x), fast)) {
        ASSERT_EQ(fast, expected);
      }
#if GB_HAVE_X87
      ASSERT_EQ(PrintfDigits18(x), expected);
#endif
    }
  }
}

TEST(Digits18, RoundingCarryPastTheFirstDigitGrowsTheExponent) {
  const Digits18 expected{kPow10U64[17], 19};
  const Extended x = Extended::FromUnsigned(1999999999999999999).Scaled(-1);  // ...999.5
  EXPECT_EQ(RoundToDigits18(DecomposeFinite(x)), expected);
  EXPECT_EQ(RoundToDigits18Exact(DecomposeFinite(x)), expected);
}

TEST(Digits18, FastPathAgreesWithExactPathOnItsWholeRange) {
  std::mt19937_64 random(1);
  int taken = 0;
  for (int n = 0; n < 400000; ++n) {
    const int biased = 16383 - 75 + static_cast<int>(random() % 141);
    const bool fromDouble = n % 2 == 0;
    const std::uint64_t significand = (random() | (std::uint64_t{1} << 63)) &
                                      (fromDouble ? ~std::uint64_t{0x7FF} : ~std::uint64_t{0});
    const BinaryFloat b = DecomposeFinite(FromBits(significand, biased));
    Digits18 fast;
    if (!RoundToDigits18Fast(b, fast)) continue;
    ++taken;
    ASSERT_EQ(fast, RoundToDigits18Exact(b)) << significand << " biased=" << biased;
  }
  EXPECT_GT(taken, 300000);
}

TEST(Digits18, ExactPathAgreesWithPrintfFromSubnormalsToTheLargestValue) {
#if !GB_HAVE_X87
  GTEST_SKIP() << "printf's long double is not the x87 format here";
#else
  std::mt19937_64 random(2);
  for (int n = 0; n < 6000; ++n) {
    // Mostly the whole range, some around both ends of the fast path's range.
    const bool subnormal = n % 10 == 0;
    int biased = 1 + static_cast<int>(random() % 32766);
    if (subnormal) biased = 0;
    if (n % 10 == 1) biased = 16383 - 80 + static_cast<int>(random() % 20);
    if (n % 10 == 2) biased = 16383 + 50 + static_cast<int>(random() % 20);
    std::uint64_t significand = random();
    if (subnormal) significand = (significand >> (random() % 64)) >> 1 | 1;
    if (!subnormal) significand |= std::uint64_t{1} << 63;
    const Extended x = FromBits(significand, biased);
    ASSERT_EQ(RoundToDigits18(DecomposeFinite(x)), PrintfDigits18(x)) << std::hexfloat << ToX87(x);
  }
  for (const long double x : {LDBL_MAX, LDBL_MIN, LDBL_TRUE_MIN, 1e18L, 1e-21L, 9.5e18L}) {
    ASSERT_EQ(RoundToDigits18(DecomposeFinite(FromX87(x))), PrintfDigits18(FromX87(x))) << x;
  }
#endif
}

}  // namespace
}  // namespace gb::detail
