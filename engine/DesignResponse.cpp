#include "engine/DesignResponse.h"

#include <cmath>

#include "engine/ExtendedStore.h"

namespace gb {

double SpectralAcceleration(double T, double T0, double Tg, double A, double betaMax) {
  double beta;
  if (T <= T0 && T >= 0) {
    beta = StoreDouble((static_cast<long double>(betaMax) - 1) * T / T0 + 1);
  } else if (T <= Tg && T > T0) {
    beta = betaMax;
  } else {
    const long double ratio = Divide(Tg, T);
    // powl of a negative base with a non-integer exponent is NaN: the invalid operation.
    beta = StoreDouble(std::pow(ratio, static_cast<long double>(DecayExponent)) * betaMax);
  }
  return StoreDouble(static_cast<long double>(beta) * A);
}

double SamplePeriod(int i) { return StoreDouble(static_cast<long double>(i) * SpectrumStep); }

double SpectrumOrdinate(const ParameterSet& p, int level, int siteClass, int i) {
  return SpectralAcceleration(SamplePeriod(i), RiseEndPeriod, p.FTg[level][siteClass],
                              p.FPga[level][siteClass], p.FBetaMax);
}

}  // namespace gb
