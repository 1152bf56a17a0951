#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/DecayPower.h"
#include "engine/ExtendedBits.h"
#include "tests/support/HexExtended.h"

namespace gb {
namespace {

// Ratios whose power lies so near a midpoint between two extended numbers that the fast path
// cannot round it, with the correctly rounded power from MPFR. They run on every system, so
// Windows settles them as Linux does.
struct HardCase {
  Extended ratio, power;
};

Extended X(const char* hex) { return test::HexExtended(hex); }

// Equal bits, not merely equal values: -0 is not +0 here.
bool Same(Extended a, Extended b) {
  return a.Negative() == b.Negative() && a.BiasedExponent() == b.BiasedExponent() &&
         a.Significand() == b.Significand();
}

const HardCase kHardCases[] = {
    // Tg / T of a Tg with three decimals and a period with four.
    {X("0xf.e01ad8082778d3cp-12"), X("0xd.d4c690ff7f83cf9p-11")},  // 0.011 / 2.8381
    {X("0x8.62267787266ae7dp-10"), X("0xd.8e261ba82f4abaap-10")},  // 0.013 / 1.5879
    {X("0x8.fdcc0f490e19feep-11"), X("0xf.791d26f7406b8cp-11")},   // 0.015 / 3.4166
    {X("0xf.276670bebcb7115p-12"), X("0xd.439cc95585bf893p-11")},  // 0.015 / 4.0544
    {X("0x8.b0814182ae77ff9p-10"), X("0xd.fff798ba53d575bp-10")},  // 0.016 / 1.8855
    {X("0xc.c33a610409c5b2p-12"), X("0xb.5d51ee4ff88fa3bp-11")},   // 0.016 / 5.1350
    {X("0xa.08430a08430a1cbp-8"), X("0xd.dec6d8c94e0fba2p-8")},    // 0.017 / 0.4338
    {X("0x9.30ae49e652554b2p-9"), X("0xd.bce198af4b46735p-9")},    // 0.017 / 0.9471
    // Across the exponent range.
    {X("0xe.0feb7cac4ae3d36p+4198"), X("0xc.66a215dccdeb4fbp+3778")},
    {X("0xa.d4857bd1a198efep-3459"), X("0xf.ecfa7933685e5b2p-3114")},
    {X("0xf.b861496aa991e93p+16238"), X("0xd.b59c9f2c769d48fp+14614")},
    {X("0xe.ca0598afb29bf7ep-15604"), X("0xe.e7eefb698134394p-14044")},
};

TEST(DecayPower, HardCasesAreSettledByTheExactPath) {
  int undecided = 0;
  for (const HardCase& c : kHardCases) {
    Extended fast;
    if (DecayPowerFast(c.ratio, fast)) {
      EXPECT_TRUE(Same(fast, c.power)) << c.ratio.ToDouble();
    } else {
      ++undecided;
    }
    EXPECT_TRUE(Same(DecayPower(c.ratio), c.power)) << c.ratio.ToDouble();
    EXPECT_TRUE(Same(DecayPowerExact(c.ratio), c.power)) << c.ratio.ToDouble();
  }
  // Their powers lie so near a midpoint that most must reach the exact path.
  EXPECT_GE(undecided, 8);
}

TEST(DecayPower, SpecialRatios) {
  const Extended one(1.0), infinity = Extended::Infinity();
  EXPECT_TRUE(Same(DecayPower(Extended()), Extended()));
  EXPECT_TRUE(Same(DecayPower(-Extended()), Extended()));
  EXPECT_TRUE(Same(DecayPower(one), one));
  EXPECT_TRUE(Same(DecayPowerExact(one), one));
  EXPECT_TRUE(Same(DecayPower(infinity), infinity));
  for (const Extended nan : {-one, -X("0x1p-16000"), -infinity, Extended::DefaultNaN()})
    EXPECT_TRUE(DecayPower(nan).IsNaN()) << nan.ToDouble();
}

// The two paths are independent computations; wherever the fast one decides, the exact one
// must agree, across the whole extended range including subnormal ratios.
TEST(DecayPower, FastAndExactPathsAgree) {
  std::mt19937_64 random(18306);
  std::vector<Extended> ratios = {X("0x1p-16445"),
                                  Extended::FromFields(false, 1, std::uint64_t{1} << 63),
                                  X("0x1.8p-16400"),
                                  Extended::FromFields(false, 0x7FFE, ~std::uint64_t{0}),
                                  X("0x0.ffffffffffffffffp0"),
                                  X("0x8.000000000000001p-3"),
                                  Extended(0.35) / Extended(0.375),
                                  Extended(0.9) / Extended(6.0)};
  for (int i = 0; i < 300; ++i) {
    ratios.push_back(ExtendedFromFields(
        {random() | (std::uint64_t{1} << 63), static_cast<int>(random() % 32760) - 16380}));
  }
  for (const Extended ratio : ratios) {
    Extended fast;
    if (DecayPowerFast(ratio, fast)) {
      EXPECT_TRUE(Same(fast, DecayPowerExact(ratio))) << ratio.ToDouble();
    }
  }
}

// Powers of two: 2^(0.9 k) is never a midpoint, and the results step through every binade.
TEST(DecayPower, IsMonotonicAcrossBinades) {
  constexpr std::uint64_t kOne = std::uint64_t{1} << 63;
  Extended previous;
  for (int k = -200; k <= 200; ++k) {
    for (const std::uint64_t m : {kOne, kOne + 1, kOne | kOne >> 1, ~std::uint64_t{0}}) {
      const Extended power = DecayPower(Extended::FromSignificand(false, m, k));
      EXPECT_TRUE(power >= previous) << k;
      previous = power;
    }
  }
}

}  // namespace
}  // namespace gb
