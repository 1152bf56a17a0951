#include "engine/PlottedCurves.h"

#include <cfloat>
#include <cmath>

namespace gb {

namespace {

// A quarter of the largest double: each sample is a product of two stored factors whose
// magnitudes are bounded by max(1, |betaMax|) and |A|, and every rounding on the way adds far
// less than a factor of two.
constexpr double kSafeMagnitude = DBL_MAX / 4;

}  // namespace

void EvaluatePlottedSpectra(const ParameterSet& p, int siteClass) {
  ForEachSpectrumPoint(p, static_cast<SiteClass>(siteClass), [](int, double, double) {});
}

bool PlottedSpectraCannotFault(const ParameterSet& p, int siteClass) {
  const double beta = std::fabs(p.FBetaMax);
  const double amplification = beta > 1 ? beta : 1.0;
  if (!(amplification < kSafeMagnitude)) return false;
  for (int level = 0; level < kLevelCount; ++level) {
    // Written so that a NaN fails each test.
    if (!(p.FTg[level][siteClass] >= 0)) return false;
    const double a = std::fabs(p.FPga[level][siteClass]);
    if (!(Extended(amplification) * a < Extended(kSafeMagnitude))) return false;
  }
  return true;
}

void CheckPlottedSpectra(const ParameterSet& p, int siteClass) {
  if (!PlottedSpectraCannotFault(p, siteClass)) EvaluatePlottedSpectra(p, siteClass);
}

}  // namespace gb
