#include "engine/DesignResponse.h"

#include <cmath>

#include "engine/DecayPower.h"
#include "engine/ExtendedStore.h"

namespace gb {

double AmplificationFactor(double T, double T0, double Tg, double betaMax) {
  if (T <= T0 && T >= 0) return StoreDouble((Extended(betaMax) - 1.0) * T / T0 + 1.0);
  if (T <= Tg && T > T0) return betaMax;
  const Extended ratio = Divide(Extended(Tg), Extended(T));
  // A negative base with a non-integer exponent is NaN: the invalid operation.
  return StoreDouble(DecayPower(ratio) * betaMax);
}

double ScaleByPga(double beta, double A) { return StoreDouble(Extended(beta) * A); }

double SpectralAcceleration(double T, double T0, double Tg, double A, double betaMax) {
  return ScaleByPga(AmplificationFactor(T, T0, Tg, betaMax), A);
}

double SamplePeriod(int i) { return StoreDouble(Extended::FromInteger(i) * SpectrumStep); }

double SpectrumOrdinate(const ParameterSet& p, Level level, SiteClass siteClass, int i) {
  return SpectralAcceleration(SamplePeriod(i), RiseEndPeriod, p.FTg[level][siteClass],
                              p.FPga[level][siteClass], p.FBetaMax);
}

}  // namespace gb
