// A one-pixel polyline drawn with anti-aliased edges straight into 32-bit pixels, for a painter
// whose own lines have jagged steps (GDI). Pixel (i, j) is centred on the point (i, j), as a
// painter's aliased lines place them, so the smooth line lies where the jagged one would.
#pragma once

#include <span>

#include "chart/ChartGeometry.h"
#include "chart/DisplayList.h"
#include "chart/PixelSurface.h"

namespace gb {

// Each pixel is blended once, with the largest coverage any segment gives it, so the joints of a
// densely sampled curve are not darker than its runs. Nothing is drawn outside `clip` (in the
// surface's pixels) or the surface, nor further than half a pixel past a segment's ends; a
// segment with a non-finite end is left out.
void DrawSmoothPolyline(const PixelSurface& surface, std::span<const ChartPointF> points,
                        ChartColour colour, const ChartRect& clip);

}  // namespace gb
