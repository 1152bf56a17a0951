#include <gtest/gtest.h>

#include <random>

#include "engine/CalculateFromTexts.h"
#include "engine/DesignResponse.h"
#include "engine/SaAtPeriod.h"
#include "tests/support/DesignedParameters.h"
#include "text/Errors.h"

namespace gb {
namespace {

// Levels share one beta only where their Tg agree: whatever the increments, each level is its own
// SpectralAcceleration, at the sample periods and between them.
TEST(SpectrumAtPeriod, EachLevelIsItsOwnSpectralAcceleration) {
  const char* const kIncrements[][2] = {{"0.05", "0.05"}, {"0.05", "0.1"}, {"0", "0.2"}};
  std::mt19937_64 random(13);
  std::uniform_real_distribution<double> periods(0, 20);
  for (const auto& [rare, veryRare] : kIncrements) {
    InputTexts in = kDesignedInputs;
    in.rareTgIncrement = rare;
    in.veryRareTgIncrement = veryRare;
    const ParameterSet p = CalculateFromTexts(in);
    for (int n = 0; n < 2 * SpectrumPointCount; ++n) {
      const double t = n < SpectrumPointCount ? SamplePeriod(n) : periods(random);
      const int s = n % kSiteClassCount;
      const LevelOrdinates at = SpectrumAtPeriod(p, s, t);
      for (int l = 0; l < kLevelCount; ++l) {
        ASSERT_EQ(at.sa[l], SpectralAcceleration(t, 0.1, p.FTg[l][s], p.FPga[l][s], p.FBetaMax))
            << rare << "/" << veryRare << " T=" << t << " level " << l;
      }
    }
  }
}

TEST(SpectrumAtPeriod, FirstFaultingLevelStopsTheReading) {
  ParameterSet p = test::DesignedParameterSet();
  p.FTg[lvRare][scII] = -0.1;                                 // invalid beyond T0
  p.FPga[lvVeryRare][scII] = 1.5e308;                         // overflows past A itself
  EXPECT_THROW(SpectrumAtPeriod(p, scII, 0.5), EInvalidOp);   // rare comes first
  EXPECT_THROW(SpectrumAtPeriod(p, scII, 0.05), EOverflow);   // rare is fine on the rising line
  EXPECT_THROW(SpectrumAtPeriod(p, scI0, -0.5), EInvalidOp);  // no branch for negative periods
}

}  // namespace
}  // namespace gb
