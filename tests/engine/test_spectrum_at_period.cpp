#include <gtest/gtest.h>

#include <ostream>
#include <random>

#include "engine/DesignResponse.h"
#include "engine/SpectrumAtPeriod.h"
#include "report/CalculateFromTexts.h"
#include "tests/support/DesignedParameters.h"
#include "text/Errors.h"

namespace gb {
namespace {

TEST(SpectrumAtPeriod, AtEverySamplePeriodIsThePlottedOrdinate) {
  const ParameterSet p = test::DesignedParameterSet();
  for (int s = 0; s < kSiteClassCount; ++s) {
    for (int i = 0; i < SpectrumPointCount; ++i) {
      const LevelOrdinates at = SpectrumAtPeriod(p, s, SamplePeriod(i));
      for (int l = 0; l < kLevelCount; ++l) {
        ASSERT_EQ(at.sa[l], SpectrumOrdinate(p, l, s, i)) << "class " << s << " sample " << i;
      }
    }
  }
}

// Levels share one beta only where their Tg agree: whatever the increments, each level is its own
// SpectralAcceleration.
TEST(SpectrumAtPeriod, EachLevelIsItsOwnSpectralAcceleration) {
  const char* const kIncrements[][2] = {
      {"0.05", "0.05"}, {"0.05", "0.1"}, {"0", "0.2"}, {"0.3", "0"}};
  std::mt19937_64 random(13);
  std::uniform_real_distribution<double> periods(0, 20);
  for (const auto& [rare, veryRare] : kIncrements) {
    InputTexts in = kDesignedInputs;
    in.rareTgIncrement = rare;
    in.veryRareTgIncrement = veryRare;
    const ParameterSet p = CalculateFromTexts(in);
    for (int n = 0; n < 200; ++n) {
      const double t = n < 4 ? n * 0.1 : periods(random);
      const int s = n % kSiteClassCount;
      const LevelOrdinates at = SpectrumAtPeriod(p, s, t);
      for (int l = 0; l < kLevelCount; ++l) {
        ASSERT_EQ(at.sa[l], SpectralAcceleration(t, 0.1, p.FTg[l][s], p.FPga[l][s], p.FBetaMax))
            << rare << "/" << veryRare << " T=" << t << " level " << l;
      }
    }
  }
}

struct LevelCase {
  double period;
  double sa[kLevelCount];  // designed inputs, site class II
  friend void PrintTo(const LevelCase& c, std::ostream* os) { *os << "T=" << c.period; }
};

class SpectrumAtPeriodLevels : public ::testing::TestWithParam<LevelCase> {};

TEST_P(SpectrumAtPeriodLevels, EachLevelOnItsOwnBranch) {
  const LevelCase c = GetParam();
  const LevelOrdinates at = SpectrumAtPeriod(test::DesignedParameterSet(), scII, c.period);
  for (int l = 0; l < kLevelCount; ++l) EXPECT_NEAR(at.sa[l], c.sa[l], 5e-7) << "level " << l;
}

// Frequent and basic have Tg 0.35 s, rare and very rare 0.40 s: at 0.375 s the first two have
// left the platform while the other two are still on it.
INSTANTIATE_TEST_SUITE_P(
    DesignedInputs, SpectrumAtPeriodLevels,
    ::testing::Values(LevelCase{0.0, {0.016665, 0.05, 0.095, 0.145}},
                      LevelCase{0.05, {0.0291638, 0.0875, 0.16625, 0.25375}},
                      LevelCase{0.375, {0.0391543, 0.1174739, 0.2375, 0.3625}},
                      LevelCase{1.234, {0.0134036, 0.0402150, 0.0861658, 0.1315162}},
                      LevelCase{20.0, {0.0010926, 0.0032780, 0.0070237, 0.0107205}}));

TEST(SpectrumAtPeriod, NegativePeriodIsTheInvalidOperation) {
  EXPECT_THROW(SpectrumAtPeriod(test::DesignedParameterSet(), scII, -0.5), EInvalidOp);
}

TEST(SpectrumAtPeriod, FirstFaultingLevelStopsTheReading) {
  ParameterSet p = test::DesignedParameterSet();
  p.FTg[lvRare][scII] = -0.1;                                // invalid beyond T0
  p.FPga[lvVeryRare][scII] = 1.5e308;                        // overflows past A itself
  EXPECT_THROW(SpectrumAtPeriod(p, scII, 0.5), EInvalidOp);  // rare comes first
  EXPECT_THROW(SpectrumAtPeriod(p, scII, 0.05), EOverflow);  // rare is fine on the rising line
  EXPECT_NO_THROW(SpectrumAtPeriod(p, scI0, 0.5));           // other classes untouched
}

}  // namespace
}  // namespace gb
