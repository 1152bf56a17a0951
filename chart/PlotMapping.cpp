#include "chart/PlotMapping.h"

#include <algorithm>

namespace gb {

bool ClipSegment(long double& ax, long double& ay, long double& bx, long double& by,
                 const ClipBox& box, bool& startMoved, bool& endMoved) {
  const long double dx = bx - ax, dy = by - ay;
  long double t0 = 0, t1 = 1;
  auto edge = [&](long double p, long double q) {
    if (p == 0) return q >= 0;
    const long double r = q / p;
    if (p < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
    return true;
  };
  if (!edge(-dx, ax - box.x0) || !edge(dx, box.x1 - ax) || !edge(-dy, ay - box.y0) ||
      !edge(dy, box.y1 - ay))
    return false;
  endMoved = t1 < 1;
  startMoved = t0 > 0;
  if (endMoved) {
    bx = ax + t1 * dx;
    by = ay + t1 * dy;
  }
  if (startMoved) {
    ax += t0 * dx;
    ay += t0 * dy;
  }
  return true;
}

}  // namespace gb
