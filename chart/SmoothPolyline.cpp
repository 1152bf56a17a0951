#include "chart/SmoothPolyline.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace gb {

namespace {

// The coverage of the pixels inside the clip, 0 to 255, and the box of those touched.
class Coverage {
 public:
  Coverage(int left, int top, int right, int bottom)
      : left_(left),
        top_(top),
        right_(right),
        bottom_(bottom),
        cells_(static_cast<std::size_t>(right - left) * static_cast<std::size_t>(bottom - top)) {}

  void Mark(int x, int y, double amount) {
    if (x < left_ || x >= right_ || y < top_ || y >= bottom_ || !(amount > 0)) return;
    const auto level = static_cast<std::uint8_t>(std::lround(std::min(amount, 1.0) * 255));
    std::uint8_t& cell = cells_[Index(x, y)];
    cell = std::max(cell, level);
    touched_ = true;
    minX_ = std::min(minX_, x), maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y), maxY_ = std::max(maxY_, y);
  }

  template <typename Blend>
  void ForEachTouched(Blend blend) const {
    if (!touched_) return;
    for (int y = minY_; y <= maxY_; ++y) {
      for (int x = minX_; x <= maxX_; ++x) {
        if (const std::uint8_t level = cells_[Index(x, y)]; level != 0) blend(x, y, level);
      }
    }
  }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Right() const { return right_; }
  int Bottom() const { return bottom_; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y - top_) * static_cast<std::size_t>(right_ - left_) +
           static_cast<std::size_t>(x - left_);
  }

  int left_, top_, right_, bottom_;
  std::vector<std::uint8_t> cells_;
  bool touched_ = false;
  int minX_ = 0x7fffffff, maxX_ = -0x7fffffff, minY_ = 0x7fffffff, maxY_ = -0x7fffffff;
};

// Along the major axis one step per pixel, from the first end's pixel to the last's inclusive;
// across it the two pixels either side of the exact line share the coverage (Wu's method,
// without its fading of the ends, which would lighten every joint).
void MarkSegment(Coverage& coverage, ChartPointF a, ChartPointF b) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) {
    return;
  }
  const bool steep = std::fabs(b.y - a.y) > std::fabs(b.x - a.x);
  // u along the major axis, v across it.
  double u0 = steep ? a.y : a.x, v0 = steep ? a.x : a.y;
  double u1 = steep ? b.y : b.x, v1 = steep ? b.x : b.y;
  if (u0 > u1) std::swap(u0, u1), std::swap(v0, v1);
  const double gradient = u1 > u0 ? (v1 - v0) / (u1 - u0) : 0.0;
  // Only the steps inside the clip: far ends cost nothing and never overflow an int.
  const double uMin = steep ? coverage.Top() : coverage.Left();
  const double uMax = (steep ? coverage.Bottom() : coverage.Right()) - 1;
  const double first = std::max(std::round(u0), uMin), last = std::min(std::round(u1), uMax);
  for (double u = first; u <= last; ++u) {
    const double v = v0 + gradient * (u - u0);
    const double below = std::floor(v), share = v - below;
    if (below < -1.0 || below > 2147483646.0) continue;
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
  const int left = std::max(0, clip.x), top = std::max(0, clip.y);
  const int right = std::min(surface.width, clip.x + clip.width);
  const int bottom = std::min(surface.height, clip.y + clip.height);
  if (surface.pixels == nullptr || right <= left || bottom <= top || points.empty()) return;
  Coverage coverage(left, top, right, bottom);
  if (points.size() == 1) MarkSegment(coverage, points[0], points[0]);
  for (std::size_t i = 1; i < points.size(); ++i) MarkSegment(coverage, points[i - 1], points[i]);
  coverage.ForEachTouched([&](int x, int y, unsigned level) {
    std::uint32_t& pixel = surface.pixels[y * surface.stride + x];
    pixel = Blend(pixel, colour, level);
  });
}

}  // namespace gb
