#include "engine/SiteAdjustment.h"

#include <cassert>

#include "engine/ExtendedStore.h"
#include "engine/ZoningTables.h"

namespace gb {
namespace {

// Linear interpolation in the order of operations that fixes the rounding of the coefficient:
// (x - xlo) * (chi - clo) / (xhi - xlo) + clo, in extended precision, stored as a double.
double Interpolate(double x, double xlo, double clo, double xhi, double chi) {
  const Extended lx(x);
  return StoreDouble((lx - xlo) * (Extended(chi) - clo) / (Extended(xhi) - xlo) + clo);
}

}  // namespace

double SiteCoefficient(double x, int siteClass) {
  if (siteClass == scII) return 1;
  const auto c = [siteClass](int row) { return SiteCoefficientTable[row][siteClass]; };
  const double* b = PgaBreakpoints;
  if (x <= b[0]) return c(0);
  // Each segment is closed at its upper breakpoint, except the last, which is open: x = 0.40
  // takes the constant coefficient of the last row.
  for (int row = 1; row < kBreakpointCount - 1; ++row) {
    if (x <= b[row]) return Interpolate(x, b[row - 1], c(row - 1), b[row], c(row));
  }
  if (x < b[kBreakpointCount - 1]) {
    return Interpolate(x, b[kBreakpointCount - 2], c(kBreakpointCount - 2), b[kBreakpointCount - 1],
                       c(kBreakpointCount - 1));
  }
  return c(kBreakpointCount - 1);
}

double AdjustPeakAcceleration(double x, int siteClass) {
  assert(siteClass >= 0 && siteClass < kSiteClassCount);
  if (siteClass == scII) return x;
  return StoreDouble(Extended(x) * SiteCoefficient(x, siteClass));
}

}  // namespace gb
