// DecayPower against MPFR's correctly rounded power, over millions of ratios. MPFR serves the
// tests only; the program carries its own tables and arithmetic.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "DecayPowerLongDouble.h"
#include "engine/DecayPower.h"
#include "engine/DecayPowerTables.h"
#include "engine/DesignResponse.h"
#include "engine/ExtendedBits.h"
#include "tests/support/X87.h"
#include "engine/ZoningTables.h"
#include "tests/support/LongDouble.h"

namespace gb {
namespace {

using test::Exact;
using test::Fast;
using test::Power;

class Mpfr {
 public:
  explicit Mpfr(mpfr_prec_t precision) { mpfr_init2(value_, precision); }
  ~Mpfr() { mpfr_clear(value_); }
  Mpfr(const Mpfr&) = delete;
  Mpfr& operator=(const Mpfr&) = delete;
  mpfr_ptr get() { return value_; }

 private:
  mpfr_t value_;
};

// ratio^DecayExponent to `precision` bits, rounded to nearest.
void ReferencePower(mpfr_ptr result, long double ratio) {
  Mpfr base(64), exponent(53);
  mpfr_set_ld(base.get(), ratio, MPFR_RNDN);
  mpfr_set_d(exponent.get(), DecayExponent, MPFR_RNDN);
  mpfr_pow(result, base.get(), exponent.get(), MPFR_RNDN);
}

long double ReferencePower(long double ratio) {
  Mpfr power(64);
  ReferencePower(power.get(), ratio);
  return mpfr_get_ld(power.get(), MPFR_RNDN);
}

// Whether (hi, lo) are the long doubles nearest `exact` and nearest what remains.
bool IsNearestPair(mpfr_ptr exact, long double hi, long double lo) {
  Mpfr rest(512);
  if (mpfr_get_ld(exact, MPFR_RNDN) != hi) return false;
  mpfr_sub_d(rest.get(), exact, 0, MPFR_RNDN);
  Mpfr h(64);
  mpfr_set_ld(h.get(), hi, MPFR_RNDN);
  mpfr_sub(rest.get(), exact, h.get(), MPFR_RNDN);
  return mpfr_get_ld(rest.get(), MPFR_RNDN) == lo;
}

TEST(DecayPowerTables, EveryEntryIsNearestToItsValue) {
  Mpfr exact(512), centre(24), x(512);
  for (int i = 0; i < 128; ++i) {
    const auto& entry = decay_power::kLogCentres[i];
    mpfr_set_d(x.get(), 1.0 + (i + 0.5) / 128.0, MPFR_RNDN);
    mpfr_ui_div(centre.get(), 1, x.get(), MPFR_RNDN);
    EXPECT_EQ(mpfr_get_ld(centre.get(), MPFR_RNDN), test::ToLongDouble(entry.centre)) << i;
    mpfr_set_ld(x.get(), test::ToLongDouble(entry.centre), MPFR_RNDN);
    mpfr_log(exact.get(), x.get(), MPFR_RNDN);
    mpfr_neg(exact.get(), exact.get(), MPFR_RNDN);
    EXPECT_TRUE(IsNearestPair(exact.get(), test::ToLongDouble(entry.minusLogHi),
                              test::ToLongDouble(entry.minusLogLo)))
        << i;
  }
  for (int j = 0; j < 64; ++j) {
    mpfr_set_d(x.get(), j / 64.0, MPFR_RNDN);
    mpfr_exp2(exact.get(), x.get(), MPFR_RNDN);
    const auto& entry = decay_power::kExp2Sixtyfourths[j];
    EXPECT_TRUE(
        IsNearestPair(exact.get(), test::ToLongDouble(entry.hi), test::ToLongDouble(entry.lo)))
        << j;
  }
  Mpfr ln2(512), high(64);
  mpfr_const_log2(ln2.get(), MPFR_RNDN);
  mpfr_set_ld(high.get(), test::ToLongDouble(decay_power::kLn2Hi), MPFR_RNDN);
  mpfr_sub(x.get(), ln2.get(), high.get(), MPFR_RNDN);
  EXPECT_EQ(mpfr_get_ld(x.get(), MPFR_RNDN), test::ToLongDouble(decay_power::kLn2Lo));
  EXPECT_LT(std::abs(mpfr_get_d(x.get(), MPFR_RNDN)), 0x1p-48);
  mpfr_div_ui(ln2.get(), ln2.get(), 64, MPFR_RNDN);
  mpfr_set_ld(high.get(), test::ToLongDouble(decay_power::kLn2By64Hi), MPFR_RNDN);
  mpfr_sub(x.get(), ln2.get(), high.get(), MPFR_RNDN);
  EXPECT_EQ(mpfr_get_ld(x.get(), MPFR_RNDN), test::ToLongDouble(decay_power::kLn2By64Lo));
  EXPECT_LT(std::abs(mpfr_get_d(x.get(), MPFR_RNDN)), 0x1p-49);
  // The high parts are short enough for their products to be exact: any exponent (below 2^15)
  // times ln 2's, any multiple up to 2^20 of ln 2 / 64's.
  const auto lowBits = [](Extended value, int bits) {
    return PositiveFields(value).significand & ((std::uint64_t{1} << bits) - 1);
  };
  EXPECT_EQ(lowBits(decay_power::kLn2Hi, 15), 0u);
  EXPECT_EQ(lowBits(decay_power::kLn2By64Hi, 20), 0u);
}

// The ratios the program meets: Tg over every sample period beyond it, for the Tg of every
// zone and site class and its increments; then Tg and T with three and four decimals; then
// significands near 1; then the whole exponent range.
std::vector<long double> Ratios(std::size_t randomCount) {
  std::vector<long double> ratios;
  for (const auto& zone : CharacteristicPeriodTable) {
    for (double base : zone) {
      for (double increment : {-0.15, -0.05, 0.0, 0.05, 0.1, 0.15}) {
        const double tg = static_cast<double>(static_cast<long double>(base) + increment);
        for (int i = 1; i < SpectrumPointCount; ++i) {
          ratios.push_back(static_cast<long double>(tg) / SamplePeriod(i));
        }
      }
    }
  }
  std::mt19937_64 random(2015);
  for (std::size_t n = 0; n < randomCount; ++n) {
    switch (n % 3) {
      case 0: {
        const double tg = static_cast<double>(random() % 1500 + 1) / 1000;
        const double t = static_cast<double>(random() % 60000 + 1) / 10000;
        ratios.push_back(static_cast<long double>(tg) / t);
        break;
      }
      case 1:
        ratios.push_back(test::ToLongDouble(ExtendedFromFields(
            {random() | (std::uint64_t{1} << 63), static_cast<int>(random() % 3) - 2})));
        break;
      default:
        ratios.push_back(test::ToLongDouble(ExtendedFromFields(
            {random() | (std::uint64_t{1} << 63), static_cast<int>(random() % 32760) - 16380})));
    }
  }
  return ratios;
}

TEST(DecayPowerMpfr, MillionsOfRatiosAreCorrectlyRounded) {
  UseExtendedPrecision();
  int wrong = 0, exactPath = 0;
  const std::vector<long double> ratios = Ratios(2'000'000);
  for (long double ratio : ratios) {
    long double fast = 0;
    if (!Fast(ratio, fast)) {
      ++exactPath;
      EXPECT_EQ(Exact(ratio), ReferencePower(ratio)) << static_cast<double>(ratio);
    }
    if (Power(ratio) != ReferencePower(ratio) && ++wrong <= 10) {
      ADD_FAILURE() << "ratio " << static_cast<double>(ratio);
    }
  }
  EXPECT_EQ(wrong, 0);
  // The exact path must have been exercised, and rarely.
  EXPECT_GT(exactPath, 5);
  EXPECT_LT(exactPath, static_cast<int>(ratios.size() / 5000));
  std::printf("%zu ratios, %d settled by the exact path\n", ratios.size(), exactPath);
}

// The fast path's largest relative error must stay well inside the bound its rounding test
// assumes: measured near 2^-96.6 against the bound 2^-80.
TEST(DecayPowerMpfr, FastPathErrorStaysInsideItsBound) {
  UseExtendedPrecision();
  double largest = 0;
  Mpfr exact(256), approximate(256), part(64);
  for (long double ratio : Ratios(200'000)) {
    const DecayPowerUnrounded u = DecayPowerBeforeRounding(test::FromLongDouble(ratio));
    ReferencePower(exact.get(), ratio);
    mpfr_set_ld(approximate.get(), test::ToLongDouble(u.hi), MPFR_RNDN);
    mpfr_set_ld(part.get(), test::ToLongDouble(u.lo), MPFR_RNDN);
    mpfr_add(approximate.get(), approximate.get(), part.get(), MPFR_RNDN);
    mpfr_mul_2si(approximate.get(), approximate.get(), u.exponent, MPFR_RNDN);
    mpfr_sub(approximate.get(), approximate.get(), exact.get(), MPFR_RNDN);
    mpfr_div(approximate.get(), approximate.get(), exact.get(), MPFR_RNDN);
    largest = std::max(largest, std::abs(mpfr_get_d(approximate.get(), MPFR_RNDN)));
  }
  std::printf("largest relative error 2^%.2f\n", std::log2(largest));
  EXPECT_LT(largest, kDecayPowerFastError.ToDouble() / 16);
}

}  // namespace
}  // namespace gb
