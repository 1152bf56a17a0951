#include "chart/ChartRange.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gb {

bool Usable(const ChartRange& r) {
  return std::isfinite(r.Minimum) && std::isfinite(r.Maximum) && r.Minimum < r.Maximum;
}

Extended Width(const ChartRange& r) { return Extended(r.Maximum) - r.Minimum; }

ChartRange SpanOf(double lo, double hi, bool empty) {
  if (empty) return {0, 1};
  if (lo < hi) return {lo, hi};
  const double d = lo == 0 ? 1 : std::max(std::abs(lo) / 16, std::numeric_limits<double>::min());
  ChartRange r{lo - d, lo + d};
  if (!std::isfinite(r.Minimum)) r.Minimum = lo;
  if (!std::isfinite(r.Maximum)) r.Maximum = lo;
  return r;
}

ChartRange Widen(const ChartRange& r, const ChartRange& limit) {
  const Extended centre = (Extended(r.Minimum) + r.Maximum) / 2;
  const Extended half = Width(r) / 2 * 1.25;
  if (2 * half >= Width(limit)) return limit;
  const ChartRange wider{(centre - half).ToDouble(), (centre + half).ToDouble()};
  return Usable(wider) ? wider : limit;
}

}  // namespace gb
