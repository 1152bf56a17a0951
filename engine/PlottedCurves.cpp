#include "engine/PlottedCurves.h"

#include <cfloat>
#include <cmath>

#include "engine/DesignResponse.h"

namespace gb {

namespace {

// A quarter of the largest double: each sample is a product of two stored factors whose
// magnitudes are bounded by max(1, |betaMax|) and |A|, and every rounding on the way adds far
// less than a factor of two.
constexpr long double kSafeMagnitude = DBL_MAX / 4;

}  // namespace

void EvaluatePlottedSpectra(const ParameterSet& p, int siteClass) {
  for (int level = 0; level < kLevelCount; ++level) {
    for (int i = 0; i < SpectrumPointCount; ++i) SpectrumOrdinate(p, level, siteClass, i);
  }
}

bool PlottedSpectraCannotFault(const ParameterSet& p, int siteClass) {
  const long double beta = std::fabs(static_cast<long double>(p.FBetaMax));
  const long double amplification = beta > 1 ? beta : 1.0L;
  if (!(amplification < kSafeMagnitude)) return false;
  for (int level = 0; level < kLevelCount; ++level) {
    // Written so that a NaN fails each test.
    if (!(p.FTg[level][siteClass] >= 0)) return false;
    const long double a = std::fabs(static_cast<long double>(p.FPga[level][siteClass]));
    if (!(amplification * a < kSafeMagnitude)) return false;
  }
  return true;
}

void CheckPlottedSpectra(const ParameterSet& p, int siteClass) {
  if (!PlottedSpectraCannotFault(p, siteClass)) EvaluatePlottedSpectra(p, siteClass);
}

}  // namespace gb
