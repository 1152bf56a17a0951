#include "engine/SaAtPeriod.h"

#include "engine/DesignResponse.h"

namespace gb {

double SpectrumOrdinateAt(const ParameterSet& p, int level, int siteClass, double period) {
  return SpectralAcceleration(period, RiseEndPeriod, p.FTg[level][siteClass],
                              p.FPga[level][siteClass], p.FBetaMax);
}

LevelOrdinates SpectrumAtPeriod(const ParameterSet& p, int siteClass, double period) {
  LevelOrdinates ordinates;
  // The power function is most of the cost; levels with the same Tg (frequent and basic share
  // theirs, and so do rare and very rare unless their increments differ) share beta. A fault of
  // beta is the same for every level that shares it, so the first fault stays the first.
  double beta = 0, betaTg = 0;
  bool haveBeta = false;
  for (int level = 0; level < kLevelCount; ++level) {
    const double tg = p.FTg[level][siteClass];
    if (!haveBeta || tg != betaTg) {
      beta = AmplificationFactor(period, RiseEndPeriod, tg, p.FBetaMax);
      betaTg = tg;
      haveBeta = true;
    }
    ordinates.sa[level] = ScaleByPga(beta, p.FPga[level][siteClass]);
  }
  return ordinates;
}

}  // namespace gb
