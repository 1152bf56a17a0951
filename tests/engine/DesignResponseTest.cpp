#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/DesignResponse.h"
#include "text/Errors.h"

namespace gb {
namespace {

TEST(SamplePeriod, IsIndexTimesStepNotAccumulated) {
  EXPECT_EQ(SamplePeriod(0), 0.0);
  EXPECT_EQ(SamplePeriod(240), 6.0);
  // 14 x 0.025 lies a hair above the double 0.35; an accumulated sum would not land there.
  EXPECT_GT(SamplePeriod(14), 0.35);
  for (int i = 0; i < SpectrumPointCount; ++i) {
    EXPECT_EQ(SamplePeriod(i), static_cast<double>(static_cast<long double>(i) * 0.025));
  }
}

struct BranchCase {
  double T, Tg;
  double expected;  // for A = 0.05, betaMax = 2.5
};

class SpectralAccelerationBranches : public testing::TestWithParam<BranchCase> {};

TEST_P(SpectralAccelerationBranches, Value) {
  const BranchCase c = GetParam();
  EXPECT_NEAR(SpectralAcceleration(c.T, RiseEndPeriod, c.Tg, 0.05, 2.5), c.expected, 1e-15)
      << "T=" << c.T << " Tg=" << c.Tg;
}

INSTANTIATE_TEST_SUITE_P(
    Branches, SpectralAccelerationBranches,
    testing::Values(BranchCase{0.0, 0.35, 0.05},          // starts at A
                    BranchCase{0.05, 0.35, 0.05 * 1.75},  // rising line
                    BranchCase{0.1, 0.35, 0.125},         // reaches the platform at T0
                    BranchCase{0.35, 0.35, 0.125},        // T = Tg is platform
                    BranchCase{0.5, 0.35, 0.125 * std::pow(0.7, 0.9)},   // descending
                    BranchCase{0.2, 0.05, 0.125 * std::pow(0.25, 0.9)},  // Tg below T0
                    BranchCase{0.2, 0.0, 0.0}));                         // Tg = 0 decays to 0

TEST(SpectralAcceleration, StartsAtAAndReachesPlatform) {
  for (double a : {0.012, 0.05, 0.1450, 3.0}) {
    EXPECT_EQ(SpectralAcceleration(0.0, 0.1, 0.35, a, 2.5), a);
    EXPECT_DOUBLE_EQ(SpectralAcceleration(0.1, 0.1, 0.35, a, 2.5), 2.5 * a);
  }
}

TEST(SpectralAcceleration, NegativeTgOnDescendingBranchIsInvalidOperation) {
  EXPECT_THROW(SpectralAcceleration(0.5, 0.1, -0.05, 0.05, 2.5), EInvalidOp);
  // The rising branch never looks at Tg.
  EXPECT_NO_THROW(SpectralAcceleration(0.05, 0.1, -0.05, 0.05, 2.5));
}

TEST(SpectralAcceleration, ResultBeyondDoubleRangeIsOverflow) {
  const double big = std::numeric_limits<double>::max() / 2;
  EXPECT_THROW(SpectralAcceleration(0.1, 0.1, 0.35, big, big), EOverflow);
  try {
    SpectralAcceleration(0.1, 0.1, 0.35, big, big);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Floating point overflow");
  }
}

TEST(SpectralAcceleration, UnderflowIsNotAnError) {
  EXPECT_EQ(SpectralAcceleration(6.0, 0.1, 1e-320, 1e-300, 2.5), 0.0);
}

}  // namespace
}  // namespace gb
