// Pixels and colours of the chart, in whole chart pixels. A rectangle's right and bottom are its
// last pixel column and row (x + width - 1), so that placements computed here land on the same
// pixels in every toolkit's painter.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace gb {

struct ChartPoint {
  int x = 0, y = 0;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartSize {
  int width = 0, height = 0;
  friend bool operator==(const ChartSize&, const ChartSize&) = default;
};

struct ChartRect {
  int x = 0, y = 0, width = 0, height = 0;

  ChartRect() = default;
  ChartRect(int x0, int y0, int w, int h) : x(x0), y(y0), width(w), height(h) {}
  ChartRect(ChartPoint topLeft, ChartSize size)
      : x(topLeft.x), y(topLeft.y), width(size.width), height(size.height) {}
  // The rectangle spanned by two corners in any order, both included.
  static ChartRect Spanning(ChartPoint a, ChartPoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(a.x - b.x) + 1,
            std::abs(a.y - b.y) + 1};
  }

  bool Empty() const { return width <= 0 || height <= 0; }
  int Left() const { return x; }
  int Top() const { return y; }
  int Right() const { return x + width - 1; }
  int Bottom() const { return y + height - 1; }
  ChartSize Size() const { return {width, height}; }
  ChartPoint TopLeft() const { return {x, y}; }
  ChartPoint Center() const {
    return {static_cast<int>((static_cast<long long>(x) + Right()) / 2),
            static_cast<int>((static_cast<long long>(y) + Bottom()) / 2)};
  }
  bool Contains(ChartPoint p) const {
    return !Empty() && p.x >= x && p.x <= Right() && p.y >= y && p.y <= Bottom();
  }
  bool Contains(const ChartRect& r) const {
    return !Empty() && !r.Empty() && r.x >= x && r.Right() <= Right() && r.y >= y &&
           r.Bottom() <= Bottom();
  }
  bool Intersects(const ChartRect& r) const {
    return !Empty() && !r.Empty() && x <= r.Right() && r.x <= Right() && y <= r.Bottom() &&
           r.y <= Bottom();
  }
  // Edges moved by the given amounts; the size follows.
  ChartRect Adjusted(int dx0, int dy0, int dx1, int dy1) const {
    return {x + dx0, y + dy0, width - dx0 + dx1, height - dy0 + dy1};
  }
  ChartRect MovedLeftTo(int left) const { return {left, y, width, height}; }
  ChartRect MovedRightTo(int right) const { return {right - width + 1, y, width, height}; }
  friend bool operator==(const ChartRect&, const ChartRect&) = default;
};

struct ChartColour {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
  friend bool operator==(const ChartColour&, const ChartColour&) = default;
};

}  // namespace gb
