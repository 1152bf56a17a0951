#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/SiteAdjustment.h"
#include "engine/ZoningTables.h"

namespace gb {
namespace {

struct AdjustCase {
  double x;
  int siteClass;
  double expected;
};

class AdjustPeakAccelerationTest : public testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustPeakAccelerationTest, MatchesTableRule) {
  const AdjustCase c = GetParam();
  EXPECT_NEAR(AdjustPeakAcceleration(c.x, c.siteClass), c.expected, 1e-15)
      << "x=" << c.x << " class=" << c.siteClass;
}

INSTANTIATE_TEST_SUITE_P(
    Segments, AdjustPeakAccelerationTest,
    testing::Values(AdjustCase{0.012, scI0, 0.00864},      // below the first breakpoint
                    AdjustCase{0.125, scIII, 0.15},        // Fa = 1.2 between 0.10 and 0.15
                    AdjustCase{0.35, scIV, 0.35 * 0.925},  // last, open segment
                    AdjustCase{0.40, scIV, 0.36},          // 0.40 itself takes c5
                    AdjustCase{1.2, scI0, 1.08},           // held constant above 0.40
                    AdjustCase{0.05, scIII, 0.065},        // closed upper end of the first rule
                    AdjustCase{0.10, scI1, 0.082},         // closed upper end of a segment
                    AdjustCase{0.0, scIV, 0.0},            // zero takes c0
                    AdjustCase{-0.2, scI0, -0.144},        // negatives take c0
                    AdjustCase{0.145, scI0, 0.145 * 0.749}, AdjustCase{0.25, scIII, 0.25}));

TEST(AdjustPeakAcceleration, SiteClassTwoIsIdentity) {
  for (double x : {-5.0, -0.0, 0.0, 0.0123, 0.4, 7.0, std::numeric_limits<double>::max()}) {
    const double y = AdjustPeakAcceleration(x, scII);
    EXPECT_EQ(std::signbit(y), std::signbit(x));
    EXPECT_EQ(y, x);
  }
}

TEST(AdjustPeakAcceleration, ContinuousAcrossBreakpoints) {
  for (int s = 0; s < kSiteClassCount; ++s) {
    for (double b : PgaBreakpoints) {
      const double below = AdjustPeakAcceleration(std::nextafter(b, 0.0), s);
      const double above = AdjustPeakAcceleration(std::nextafter(b, 1.0), s);
      EXPECT_NEAR(below, above, 1e-12) << "class " << s << " at " << b;
    }
  }
}

TEST(AdjustPeakAcceleration, InterpolatedCoefficientIsRoundedBeforeUse) {
  // Fa for x = 0.125 in class III must be the double nearest 1.2 (or one ulp off), and the
  // result is exactly that double times x rounded once more.
  const double fa = 1.25 + (0.125 - 0.1) * (1.15 - 1.25) / (0.15 - 0.1);
  EXPECT_DOUBLE_EQ(AdjustPeakAcceleration(0.125, scIII), 0.125 * fa);
}

}  // namespace
}  // namespace gb
