#include "engine/SpectrumAtPeriod.h"

#include "engine/DesignResponse.h"

namespace gb {

double SpectrumOrdinateAt(const ParameterSet& p, int level, int siteClass, double period) {
  return SpectralAcceleration(period, RiseEndPeriod, p.FTg[level][siteClass],
                              p.FPga[level][siteClass], p.FBetaMax);
}

LevelOrdinates SpectrumAtPeriod(const ParameterSet& p, int siteClass, double period) {
  LevelOrdinates ordinates;
  for (int level = 0; level < kLevelCount; ++level) {
    ordinates.sa[level] = SpectrumOrdinateAt(p, level, siteClass, period);
  }
  return ordinates;
}

}  // namespace gb
