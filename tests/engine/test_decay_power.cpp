#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "DecayPowerLongDouble.h"
#include "engine/DecayPower.h"
#include "engine/ExtendedBits.h"
#include "engine/X87.h"
#include "tests/support/LongDouble.h"

namespace gb {
namespace {

using test::Exact;
using test::Fast;
using test::Power;

// Ratios whose power lies so near a midpoint between two long doubles that the fast path
// cannot round it, with the correctly rounded power from MPFR. They run on every system, so
// Windows settles them as Linux does.
struct HardCase {
  long double ratio, power;
};

constexpr HardCase kHardCases[] = {
    // Tg / T of a Tg with three decimals and a period with four.
    {0xf.e01ad8082778d3cp-12L, 0xd.d4c690ff7f83cf9p-11L},  // 0.011 / 2.8381
    {0x8.62267787266ae7dp-10L, 0xd.8e261ba82f4abaap-10L},  // 0.013 / 1.5879
    {0x8.fdcc0f490e19feep-11L, 0xf.791d26f7406b8cp-11L},   // 0.015 / 3.4166
    {0xf.276670bebcb7115p-12L, 0xd.439cc95585bf893p-11L},  // 0.015 / 4.0544
    {0x8.b0814182ae77ff9p-10L, 0xd.fff798ba53d575bp-10L},  // 0.016 / 1.8855
    {0xc.c33a610409c5b2p-12L, 0xb.5d51ee4ff88fa3bp-11L},   // 0.016 / 5.1350
    {0xa.08430a08430a1cbp-8L, 0xd.dec6d8c94e0fba2p-8L},    // 0.017 / 0.4338
    {0x9.30ae49e652554b2p-9L, 0xd.bce198af4b46735p-9L},    // 0.017 / 0.9471
    // Across the exponent range.
    {0xe.0feb7cac4ae3d36p+4198L, 0xc.66a215dccdeb4fbp+3778L},
    {0xa.d4857bd1a198efep-3459L, 0xf.ecfa7933685e5b2p-3114L},
    {0xf.b861496aa991e93p+16238L, 0xd.b59c9f2c769d48fp+14614L},
    {0xe.ca0598afb29bf7ep-15604L, 0xe.e7eefb698134394p-14044L},
};

TEST(DecayPower, HardCasesAreSettledByTheExactPath) {
  UseExtendedPrecision();
  for (const HardCase& c : kHardCases) {
    long double fast = 0;
    EXPECT_FALSE(Fast(c.ratio, fast)) << static_cast<double>(c.ratio);
    EXPECT_EQ(Power(c.ratio), c.power) << static_cast<double>(c.ratio);
    EXPECT_EQ(Exact(c.ratio), c.power) << static_cast<double>(c.ratio);
  }
}

TEST(DecayPower, SpecialRatios) {
  UseExtendedPrecision();
  constexpr long double kInf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(Power(0.0L), 0.0L);
  EXPECT_FALSE(std::signbit(Power(-0.0L)));
  EXPECT_EQ(Power(1.0L), 1.0L);
  EXPECT_EQ(Exact(1.0L), 1.0L);
  EXPECT_EQ(Power(kInf), kInf);
  for (long double nan :
       {-1.0L, -0x1p-16000L, -kInf, std::numeric_limits<long double>::quiet_NaN()})
    EXPECT_TRUE(std::isnan(Power(nan))) << static_cast<double>(nan);
}

// The two paths are independent computations; wherever the fast one decides, the exact one
// must agree, across the whole range of long double including subnormal ratios.
TEST(DecayPower, FastAndExactPathsAgree) {
  UseExtendedPrecision();
  std::mt19937_64 random(18306);
  std::vector<long double> ratios = {0x1p-16445L,     std::numeric_limits<long double>::min(),
                                     0x1.8p-16400L,   std::numeric_limits<long double>::max(),
                                     1.0L - 0x1p-64L, 1.0L + 0x1p-63L,
                                     0.35L / 0.375L,  0.9L / 6.0L};
  for (int i = 0; i < 300; ++i) {
    ratios.push_back(test::ToLongDouble(ExtendedFromFields(
        {random() | (std::uint64_t{1} << 63), static_cast<int>(random() % 32760) - 16380})));
  }
  for (long double ratio : ratios) {
    long double fast = 0;
    if (Fast(ratio, fast)) {
      EXPECT_EQ(fast, Exact(ratio)) << static_cast<double>(ratio);
    }
  }
}

// Where the x87 unit computes the fast path, it must give the portable arithmetic's bits: the
// same steps, each correctly rounded, so the same result, decided or not, for every ratio.
TEST(DecayPower, TheX87FastPathIsThePortableOne) {
#if GB_HAVE_X87
  std::mt19937_64 random(20261210);
  int undecided = 0;
  for (int i = 0; i < 1000000; ++i) {
    Extended ratio;
    switch (i % 3) {
      case 0:  // Tg / T as the program forms them
        ratio = Extended(static_cast<double>(random() % 1500 + 1) / 1000) /
                Extended(static_cast<double>(random() % 60000 + 1) / 10000);
        break;
      case 1:
        ratio = ExtendedFromFields(
            {random() | (std::uint64_t{1} << 63), static_cast<int>(random() % 3) - 2});
        break;
      default:
        ratio = ExtendedFromFields(
            {random() | (std::uint64_t{1} << 63), static_cast<int>(random() % 32760) - 16380});
    }
    Extended portable, x87;
    const bool decided = DecayPowerFastPortable(ratio, portable);
    ASSERT_EQ(DecayPowerFastX87(ratio, x87), decided) << ratio.ToDouble();
    if (!decided) {
      ++undecided;
      continue;
    }
    ASSERT_TRUE(portable.Significand() == x87.Significand() &&
                portable.BiasedExponent() == x87.BiasedExponent())
        << ratio.ToDouble();
  }
  EXPECT_LT(undecided, 1000);
#else
  GTEST_SKIP() << "no x87 unit here";
#endif
}

// Powers of two: 2^(0.9 k) is never a midpoint, and the results step through every binade.
TEST(DecayPower, IsMonotonicAcrossBinades) {
  UseExtendedPrecision();
  long double previous = 0;
  for (int k = -200; k <= 200; ++k) {
    for (long double m : {1.0L, 1.0L + 0x1p-63L, 1.5L, 2.0L - 0x1p-63L}) {
      const long double power = Power(std::ldexp(m, k));
      EXPECT_GE(power, previous) << k;
      previous = power;
    }
  }
}

}  // namespace
}  // namespace gb
