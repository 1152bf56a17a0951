#include "chart/PlotMapping.h"

#include <algorithm>

namespace gb {

bool ClipSegment(Extended& ax, Extended& ay, Extended& bx, Extended& by, const ClipBox& box,
                 bool& startMoved, bool& endMoved) {
  const Extended dx = bx - ax, dy = by - ay;
  Extended t0, t1(1.0);
  auto edge = [&](Extended p, Extended q) {
    if (p.IsZero()) return q >= Extended();
    const Extended r = q / p;
    if (p < Extended()) {
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
  endMoved = t1 < Extended(1.0);
  startMoved = t0 > Extended();
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
