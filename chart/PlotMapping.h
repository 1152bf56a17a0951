// From values to the pixels of a plot rectangle, and the clipping of the lines drawn there, in
// extended precision so that far-away points of a deeply zoomed view neither overflow nor lose
// their direction.
#pragma once

#include "chart/ChartGeometry.h"
#include "chart/ChartRange.h"

namespace gb {

struct Mapper {
  Extended left, bottom, xMin, yMin, xScale, yScale;
  Mapper(const ChartRect& plot, const ChartRange& x, const ChartRange& y)
      : left(plot.x),
        bottom(plot.y + plot.height),
        xMin(x.Minimum),
        yMin(y.Minimum),
        xScale(plot.width / Width(x)),
        yScale(plot.height / Width(y)) {}
  Extended X(double v) const { return left + (v - xMin) * xScale; }
  Extended Y(double v) const { return bottom - (v - yMin) * yScale; }
};

struct ClipBox {
  Extended x0, y0, x1, y1;
};

// Liang-Barsky: cuts segment a-b down to the box; false when none of it lies inside.
// `startMoved` / `endMoved` tell which ends were cut.
bool ClipSegment(Extended& ax, Extended& ay, Extended& bx, Extended& by, const ClipBox& box,
                 bool& startMoved, bool& endMoved);

}  // namespace gb
