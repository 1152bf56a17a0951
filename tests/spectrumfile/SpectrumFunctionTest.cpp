// The function's points against the spectrum function itself: what an analysis program
// interpolates between them must never fall below the spectrum.
#include "spectrumfile/SpectrumFunction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "engine/CalculateFromTexts.h"
#include "engine/DesignResponse.h"
#include "text/NumberSeparators.h"

namespace gb {
namespace {

// Random window inputs: every zonation value, increments that move Tg off the 0.025 s grid.
ParameterSet RandomSite(std::mt19937_64& random) {
  const auto text = [&](double low, double high, int places) {
    std::uniform_real_distribution<double> value(low, high);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value(random));
    return std::string(buffer);
  };
  return CalculateFromTexts({static_cast<int>(random() % kPgaZoneCount),
                             static_cast<int>(random() % kTgZoneCount), text(1.5, 3.5, 2),
                             text(1.2, 2.5, 2), text(0.25, 0.45, 4), text(0, 0.15, 3),
                             text(0, 0.2, 3), text(2, 3, 2)});
}

bool IsSamplePeriod(double t) {
  const double i = std::round(t / SpectrumStep);
  return i >= 0 && i < SpectrumPointCount && SamplePeriod(static_cast<int>(i)) == t;
}

// Whether a sample lies within a rounding of `t` (and so gives way to the corner `t`).
bool NearSample(double t) {
  const double i = std::round(t / SpectrumStep);
  return i >= 0 && i < SpectrumPointCount &&
         std::fabs(SamplePeriod(static_cast<int>(i)) - t) <= 1e-12 * t;
}

// Linear interpolation of the points at `period`, as an analysis program reads the function.
double Interpolated(const std::vector<SpectrumPoint>& points, double period) {
  const auto after =
      std::lower_bound(points.begin(), points.end(), period,
                       [](const SpectrumPoint& p, double t) { return p.period < t; });
  if (after->period == period) return after->sa;
  const SpectrumPoint& b = *after;
  const SpectrumPoint& a = *(after - 1);
  return a.sa + (b.sa - a.sa) * (period - a.period) / (b.period - a.period);
}

class SpectrumFunctionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DecimalSeparator = u'.';
    ThousandSeparator = u',';
  }
};

TEST_F(SpectrumFunctionTest, SamplesAndCornersEachOnceAscending) {
  std::mt19937_64 random(27);
  for (int run = 0; run < 200; ++run) {
    const ParameterSet p = RandomSite(random);
    for (const SiteClass site : kSiteClasses) {
      for (const Level level : kLevels) {
        const std::vector<SpectrumPoint> points = SpectrumFunctionPoints(p, level, site);
        const double tg = p.FTg[level][site];
        // Ascending, and no two periods a mere rounding apart.
        ASSERT_TRUE(std::adjacent_find(points.begin(), points.end(), [](auto& a, auto& b) {
                      return !(b.period - a.period > 1e-9);
                    }) == points.end());
        // The 241 samples, with the chart's ordinates, and the corners.
        int samples = 0;
        for (const SpectrumPoint& point : points) {
          EXPECT_EQ(point.sa, SpectrumFunctionValue(p, level, site, point.period));
          if (IsSamplePeriod(point.period)) {
            const int i = static_cast<int>(std::round(point.period / SpectrumStep));
            EXPECT_EQ(point.sa, SpectrumOrdinate(p, level, site, i));
            ++samples;
          }
        }
        const bool corner = tg > RiseEndPeriod && tg <= 6.0;
        EXPECT_EQ(samples, SpectrumPointCount - (corner && NearSample(tg) && !IsSamplePeriod(tg)));
        const auto has = [&](double t) {
          return std::any_of(points.begin(), points.end(), [t](auto& q) { return q.period == t; });
        };
        EXPECT_TRUE(has(RiseEndPeriod));
        EXPECT_EQ(has(tg), corner) << tg;
        EXPECT_EQ(points.size(),
                  static_cast<std::size_t>(SpectrumPointCount) + (corner && !NearSample(tg)));
      }
    }
  }
}

// Between the points the program's line never falls below the spectrum: the rising branch is a
// line and the platform a constant, exact with the corners present; the descending branch is
// convex, so its chords lie above it. Without the corner Tg the same check fails.
TEST_F(SpectrumFunctionTest, InterpolationNeverFallsBelowTheSpectrum) {
  std::mt19937_64 random(18306);
  int withoutCornerBelow = 0;
  for (int run = 0; run < 100; ++run) {
    const ParameterSet p = RandomSite(random);
    const SiteClass site = kSiteClasses[random() % kSiteClassCount];
    for (const Level level : kLevels) {
      const std::vector<SpectrumPoint> points = SpectrumFunctionPoints(p, level, site);
      const double tg = p.FTg[level][site];
      std::vector<SpectrumPoint> withoutCorner;
      for (const SpectrumPoint& point : points) {
        if (point.period != tg || NearSample(tg)) withoutCorner.push_back(point);
      }
      for (int k = 0; k <= 24000; ++k) {
        const double t = k * (6.0 / 24000);
        const double sa = SpectrumFunctionValue(p, level, site, t);
        ASSERT_GE(Interpolated(points, t), sa * (1 - 1e-15)) << "T " << t << ", Tg " << tg;
        if (Interpolated(withoutCorner, t) < sa * (1 - 1e-12)) ++withoutCornerBelow;
      }
    }
  }
  EXPECT_GT(withoutCornerBelow, 0);
}

}  // namespace
}  // namespace gb
