#include "chart/SmoothPolyline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "chart/PlotMapping.h"

namespace gb {

namespace {

// The pixels a polyline may touch ([left, right) x [top, bottom)): the clip, cut down to the
// points' bounds, so that a short curve does not cost a whole plot's worth of memory.
struct PixelBox {
  int left, top, right, bottom;
  bool Empty() const { return right <= left || bottom <= top; }
};

PixelBox TouchedBox(const PixelSurface& surface, const ChartRect& clip,
                    std::span<const ChartPointF> points) {
  // In 64 bits: a caller's clip may reach to the end of int.
  const long long clipRight = static_cast<long long>(clip.x) + clip.width;
  const long long clipBottom = static_cast<long long>(clip.y) + clip.height;
  PixelBox box{std::max(0, clip.x), std::max(0, clip.y),
               static_cast<int>(std::min<long long>(surface.width, clipRight)),
               static_cast<int>(std::min<long long>(surface.height, clipBottom))};
  if (box.Empty()) return box;
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  for (const ChartPointF& p : points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  if (!(minX <= maxX)) return {0, 0, 0, 0};
  // A pixel takes ink from a line within a pixel of its centre.
  const auto within = [](double v, int low, int high) {
    return static_cast<int>(std::clamp(v, static_cast<double>(low), static_cast<double>(high)));
  };
  box = {within(std::floor(minX) - 1, box.left, box.right),
         within(std::floor(minY) - 1, box.top, box.bottom),
         within(std::ceil(maxX) + 2, box.left, box.right),
         within(std::ceil(maxY) + 2, box.top, box.bottom)};
  return box;
}

// The coverage of the pixels in the box, 0 to 255, and the box of those touched.
class Coverage {
 public:
  explicit Coverage(const PixelBox& box)
      : box_(box),
        cells_(static_cast<std::size_t>(box.right - box.left) *
               static_cast<std::size_t>(box.bottom - box.top)) {}

  const PixelBox& Box() const { return box_; }

  void Mark(int x, int y, double amount) {
    if (x < box_.left || x >= box_.right || y < box_.top || y >= box_.bottom || !(amount > 0)) {
      return;
    }
    const auto level = static_cast<std::uint8_t>(std::lround(std::min(amount, 1.0) * 255));
    std::uint8_t& cell = cells_[Index(x, y)];
    cell = std::max(cell, level);
  }

  template <typename Blend>
  void ForEachMarked(Blend blend) const {
    for (int y = box_.top; y < box_.bottom; ++y) {
      for (int x = box_.left; x < box_.right; ++x) {
        if (const std::uint8_t level = cells_[Index(x, y)]; level != 0) blend(x, y, level);
      }
    }
  }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y - box_.top) *
               static_cast<std::size_t>(box_.right - box_.left) +
           static_cast<std::size_t>(x - box_.left);
  }

  PixelBox box_;
  std::vector<std::uint8_t> cells_;
};

// Along the major axis one step per pixel, from the first end's pixel to the last's inclusive;
// across it the two pixels either side of the exact line share the coverage (Wu's method,
// without its fading of the ends, which would lighten every joint).
void MarkSegment(Coverage& coverage, ChartPointF a, ChartPointF b) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) {
    return;
  }
  // First cut to the box (and a pixel around it), so that a far end neither costs steps nor
  // loses the line's place to rounding.
  const PixelBox& box = coverage.Box();
  Extended ax(a.x), ay(a.y), bx(b.x), by(b.y);
  bool startMoved = false, endMoved = false;
  if (!ClipSegment(ax, ay, bx, by,
                   {Extended(box.left - 1.0), Extended(box.top - 1.0), Extended(box.right),
                    Extended(box.bottom)},
                   startMoved, endMoved)) {
    return;
  }
  const bool steep = (by - ay).Abs() > (bx - ax).Abs();
  // u along the major axis, v across it.
  double u0 = (steep ? ay : ax).ToDouble(), v0 = (steep ? ax : ay).ToDouble();
  double u1 = (steep ? by : bx).ToDouble(), v1 = (steep ? bx : by).ToDouble();
  if (u0 > u1) std::swap(u0, u1), std::swap(v0, v1);
  const double gradient = u1 > u0 ? (v1 - v0) / (u1 - u0) : 0.0;
  const double vLow = std::min(v0, v1), vHigh = std::max(v0, v1);
  for (double u = std::round(u0); u <= std::round(u1); ++u) {
    // Held to the segment's own span: the rounded first and last steps lie up to half a pixel
    // beyond its ends.
    const double v = std::clamp(v0 + gradient * (u - u0), vLow, vHigh);
    const double below = std::floor(v), share = v - below;
    const int iu = static_cast<int>(u), iv = static_cast<int>(below);
    if (steep) {
      coverage.Mark(iv, iu, 1 - share);
      coverage.Mark(iv + 1, iu, share);
    } else {
      coverage.Mark(iu, iv, 1 - share);
      coverage.Mark(iu, iv + 1, share);
    }
  }
}

std::uint32_t Blend(std::uint32_t pixel, ChartColour colour, unsigned level) {
  const auto mix = [level](unsigned under, unsigned over) {
    return (under * (255 - level) + over * level + 127) / 255;
  };
  return (pixel & 0xFF000000u) | (mix((pixel >> 16) & 0xFF, colour.r) << 16) |
         (mix((pixel >> 8) & 0xFF, colour.g) << 8) | mix(pixel & 0xFF, colour.b);
}

}  // namespace

void DrawSmoothPolyline(const PixelSurface& surface, std::span<const ChartPointF> points,
                        ChartColour colour, const ChartRect& clip) {
  if (surface.pixels == nullptr || points.empty()) return;
  const PixelBox box = TouchedBox(surface, clip, points);
  if (box.Empty()) return;
  Coverage coverage(box);
  if (points.size() == 1) MarkSegment(coverage, points[0], points[0]);
  for (std::size_t i = 1; i < points.size(); ++i) MarkSegment(coverage, points[i - 1], points[i]);
  coverage.ForEachMarked([&](int x, int y, unsigned level) {
    std::uint32_t& pixel = surface.pixels[y * surface.stride + x];
    pixel = Blend(pixel, colour, level);
  });
}

}  // namespace gb
