#include "spectrumfile/SpectrumFunction.h"

#include <algorithm>
#include <cmath>

#include "engine/DesignResponse.h"

namespace gb {

namespace {

constexpr double kLastPeriod = 6.0;

// A sample this close to a corner is the corner: 14 x 0.025 s computes as 0.35000000000000003,
// a unit in the last place above the table's Tg of 0.35. The corner stays, with its branch.
bool SamePeriod(double a, double b) { return std::fabs(a - b) <= 1e-12 * std::fabs(b); }

void AddCorners(std::vector<double>& corners, const ParameterSet& p, Level level,
                SiteClass siteClass) {
  corners.push_back(RiseEndPeriod);
  // Written so that a NaN is left out.
  const double tg = p.FTg[level][siteClass];
  if (tg > RiseEndPeriod && tg <= kLastPeriod) corners.push_back(tg);
}

// The samples and the corners, ascending, each period once.
std::vector<double> WithCorners(const std::vector<double>& corners) {
  std::vector<double> periods;
  for (int i = 0; i < SpectrumPointCount; ++i) {
    const double t = SamplePeriod(i);
    if (std::none_of(corners.begin(), corners.end(),
                     [t](double corner) { return SamePeriod(t, corner); })) {
      periods.push_back(t);
    }
  }
  for (const double corner : corners) {
    if (std::none_of(periods.begin(), periods.end(),
                     [corner](double t) { return SamePeriod(t, corner); })) {
      periods.push_back(corner);
    }
  }
  std::sort(periods.begin(), periods.end());
  return periods;
}

}  // namespace

double SpectrumFunctionValue(const ParameterSet& p, Level level, SiteClass siteClass,
                             double period) {
  return SpectralAcceleration(period, RiseEndPeriod, p.FTg[level][siteClass],
                              p.FPga[level][siteClass], p.FBetaMax);
}

std::vector<double> SpectrumFunctionPeriods(const ParameterSet& p, Level level,
                                            SiteClass siteClass) {
  std::vector<double> corners;
  AddCorners(corners, p, level, siteClass);
  return WithCorners(corners);
}

std::vector<double> SpectrumFunctionPeriods(const ParameterSet& p, SiteClass siteClass) {
  std::vector<double> corners;
  for (const Level level : kLevels) AddCorners(corners, p, level, siteClass);
  return WithCorners(corners);
}

std::vector<SpectrumPoint> SpectrumFunctionPoints(const ParameterSet& p, Level level,
                                                  SiteClass siteClass) {
  std::vector<SpectrumPoint> points;
  for (const double period : SpectrumFunctionPeriods(p, level, siteClass)) {
    points.push_back({period, SpectrumFunctionValue(p, level, siteClass, period)});
  }
  return points;
}

}  // namespace gb
