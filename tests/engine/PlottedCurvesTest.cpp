#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include <cfloat>
#include <cmath>
#include <random>

#include "engine/PlottedCurves.h"
#include "tests/support/DesignedParameters.h"
#include "text/Errors.h"

namespace gb {
namespace {

ParameterSet Uniform(double pga, double tg, double betaMax) {
  ParameterSet p;
  for (int l = 0; l < kLevelCount; ++l) {
    for (int s = 0; s < kSiteClassCount; ++s) {
      p.FPga[l][s] = pga;
      p.FTg[l][s] = tg;
    }
  }
  p.FBetaMax = betaMax;
  return p;
}

bool FullEvaluationFaults(const ParameterSet& p, int siteClass) {
  try {
    EvaluatePlottedSpectra(p, siteClass);
  } catch (const EMathError&) {
    return true;
  }
  return false;
}

// The cheap test may only ever say "cannot fault" where the samples really do not fault.
void ExpectSound(const ParameterSet& p, int siteClass) {
  if (PlottedSpectraCannotFault(p, siteClass)) {
    EXPECT_FALSE(FullEvaluationFaults(p, siteClass))
        << "A=" << p.FPga[0][siteClass] << " Tg=" << p.FTg[0][siteClass] << " bm=" << p.FBetaMax;
  }
}

struct Case {
  double pga, tg, betaMax;
  bool cannotFault;  // the cheap verdict
  bool faults;       // the full evaluation's
};

class PlottedSpectraCases : public testing::TestWithParam<Case> {};

TEST_P(PlottedSpectraCases, CheapVerdictAndFullEvaluation) {
  const Case c = GetParam();
  const ParameterSet p = Uniform(c.pga, c.tg, c.betaMax);
  EXPECT_EQ(PlottedSpectraCannotFault(p, scII), c.cannotFault);
  EXPECT_EQ(FullEvaluationFaults(p, scII), c.faults);
  EXPECT_EQ(
      [&] {
        try {
          CheckPlottedSpectra(p, scII);
        } catch (const EMathError&) {
          return true;
        }
        return false;
      }(),
      c.faults);
}

INSTANTIATE_TEST_SUITE_P(
    Extremes, PlottedSpectraCases,
    testing::Values(Case{0.05, 0.35, 2.5, true, false}, Case{0.05, 0.0, 2.5, true, false},
                    Case{0.05, -0.0, 2.5, true, false},
                    Case{0.05, -0.01, 2.5, false, true},  // negative base of the power
                    Case{0.05, 7.0, 2.5, true, false},    // platform to the end
                    Case{0.05, -7.0, 2.5, false, true}, Case{-3.0, 0.4, -2.5, true, false},
                    Case{0.0, 0.4, DBL_MAX, false, false},  // needs the samples to tell
                    Case{DBL_MAX, 0.4, 1.0, false, false}, Case{DBL_MAX, 0.4, 2.0, false, true},
                    Case{1e300, 0.4, 1e10, false, true}, Case{1e150, 0.4, 1e150, true, false},
                    Case{5e-324, 0.4, 2.5, true, false}));

// Random and extreme parameters: where the cheap test clears a site, every sample is fine.
TEST(PlottedSpectra, CheapVerdictNeverClearsAFault) {
  std::mt19937_64 random(12);
  std::uniform_int_distribution<int> exponent(-320, 308);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  const double specials[] = {0.0, -0.0, DBL_MAX, -DBL_MAX, DBL_MAX / 4, DBL_MAX / 8,
                             1.0, -1.0, DBL_MIN, 4.9e-324, 1e154,       1e-154};
  int cleared = 0;
  for (int i = 0; i < 4000; ++i) {
    const auto value = [&] {
      if (random() % 4 == 0) return specials[random() % std::size(specials)];
      return mantissa(random) * std::pow(10.0, exponent(random));
    };
    ParameterSet p;
    for (int l = 0; l < kLevelCount; ++l) {
      for (int s = 0; s < kSiteClassCount; ++s) {
        p.FPga[l][s] = value();
        p.FTg[l][s] = random() % 3 == 0 ? value() : std::fabs(value());
      }
    }
    p.FBetaMax = value();
    const int siteClass = static_cast<int>(random() % kSiteClassCount);
    cleared += PlottedSpectraCannotFault(p, siteClass);
    ExpectSound(p, siteClass);
  }
  EXPECT_GT(cleared, 100);  // the cheap test does clear ordinary sites
}

// The chart's curves as every chart fills them: a curve per level, in level order, at every
// sample period.
TEST(PlottedCurves, EachLevelOnItsOwnCurveAtEverySamplePeriod) {
  const ParameterSet p = test::DesignedParameterSet();
  std::vector<std::pair<double, double>> recorded[kLevelCount];
  int lastLevel = 0;
  ForEachSpectrumPoint(p, scIV, [&](int level, double period, double sa) {
    EXPECT_GE(level, lastLevel);  // level by level
    lastLevel = level;
    recorded[level].emplace_back(period, sa);
  });
  for (int level = 0; level < kLevelCount; ++level) {
    ASSERT_EQ(recorded[level].size(), static_cast<std::size_t>(SpectrumPointCount));
    for (int i : {0, 1, SpectrumPointCount / 2, SpectrumPointCount - 1}) {
      EXPECT_EQ(recorded[level][i].first, SamplePeriod(i));
      EXPECT_EQ(recorded[level][i].second, SpectrumOrdinate(p, kLevels[level], scIV, i))
          << "level " << level << ", point " << i;
    }
  }
  // The levels differ, so a curve holding another level's values would show.
  EXPECT_NE(recorded[lvFrequent][20].second, recorded[lvVeryRare][20].second);
}

}  // namespace
}  // namespace gb
