// The chart's curves as the windows fill them: a curve per level, in level order, at every
// sample period.
#include "form/SpectrumSeries.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/DesignedParameters.h"

namespace gb {
namespace {

struct RecordingSeries {
  std::vector<std::pair<double, double>> points;
  void AddXY(double x, double y) { points.emplace_back(x, y); }
};

TEST(SpectrumSeries, EachLevelOnItsOwnCurveAtEverySamplePeriod) {
  const ParameterSet p = test::DesignedParameterSet();
  RecordingSeries recorded[kLevelCount];
  RecordingSeries* const curves[kLevelCount] = {&recorded[0], &recorded[1], &recorded[2],
                                                &recorded[3]};
  AddSpectrumPoints(curves, p, scIV);
  for (int level = 0; level < kLevelCount; ++level) {
    ASSERT_EQ(recorded[level].points.size(), static_cast<std::size_t>(SpectrumPointCount));
    for (int i : {0, 1, SpectrumPointCount / 2, SpectrumPointCount - 1}) {
      EXPECT_EQ(recorded[level].points[i].first, SamplePeriod(i));
      EXPECT_EQ(recorded[level].points[i].second, SpectrumOrdinate(p, level, scIV, i))
          << "level " << level << ", point " << i;
    }
  }
  // The levels differ, so a curve holding another level's values would show.
  EXPECT_NE(recorded[lvFrequent].points[20].second, recorded[lvVeryRare].points[20].second);
}

}  // namespace
}  // namespace gb
