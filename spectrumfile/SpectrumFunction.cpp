#include "spectrumfile/SpectrumFunction.h"

#include <algorithm>

#include "engine/DesignResponse.h"

namespace gb {

namespace {

constexpr double kLastPeriod = 6.0;

void AddPeriods(std::vector<double>& periods, const ParameterSet& p, Level level,
                SiteClass siteClass) {
  for (int i = 0; i < SpectrumPointCount; ++i) periods.push_back(SamplePeriod(i));
  periods.push_back(RiseEndPeriod);
  // Written so that a NaN is left out.
  const double tg = p.FTg[level][siteClass];
  if (tg > RiseEndPeriod && tg <= kLastPeriod) periods.push_back(tg);
}

std::vector<double> Ascending(std::vector<double> periods) {
  std::sort(periods.begin(), periods.end());
  periods.erase(std::unique(periods.begin(), periods.end()), periods.end());
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
  std::vector<double> periods;
  AddPeriods(periods, p, level, siteClass);
  return Ascending(std::move(periods));
}

std::vector<double> SpectrumFunctionPeriods(const ParameterSet& p, SiteClass siteClass) {
  std::vector<double> periods;
  for (const Level level : kLevels) AddPeriods(periods, p, level, siteClass);
  return Ascending(std::move(periods));
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
