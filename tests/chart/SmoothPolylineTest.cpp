// Anti-aliased hairlines drawn into pixels: where the coverage falls, that each pixel is blended
// once, and that nothing escapes the clip or the surface.
#include "chart/SmoothPolyline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace gb {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr ChartColour kBlack{0, 0, 0};

// A white surface of 20 x 20 with a guard band of sentinel pixels on either side of its rows.
class Pixels {
 public:
  explicit Pixels(bool bottomUp = false) : bottomUp_(bottomUp), store_(kStride * kSize, kWhite) {
    for (int y = 0; y < kSize; ++y) {
      for (int x = kSize; x < kStride; ++x)
        store_[static_cast<std::size_t>(y * kStride + x)] = kGuard;
    }
  }
  PixelSurface Surface() {
    if (!bottomUp_) return {store_.data(), kSize, kSize, kStride};
    return {store_.data() + (kSize - 1) * kStride, kSize, kSize, -kStride};
  }
  // How much of the ink the pixel took, 0 to 255.
  int Ink(int x, int y) const { return 255 - static_cast<int>(At(x, y) & 0xFF); }
  std::uint32_t At(int x, int y) const {
    const int row = bottomUp_ ? kSize - 1 - y : y;
    return store_[static_cast<std::size_t>(row * kStride + x)];
  }
  bool GuardIntact() const {
    for (int y = 0; y < kSize; ++y) {
      for (int x = kSize; x < kStride; ++x) {
        if (store_[static_cast<std::size_t>(y * kStride + x)] != kGuard) return false;
      }
    }
    return true;
  }
  static constexpr int kSize = 20, kStride = 24;

 private:
  static constexpr std::uint32_t kGuard = 0x00123456;
  bool bottomUp_;
  std::vector<std::uint32_t> store_;
};

const ChartRect kAll{0, 0, Pixels::kSize, Pixels::kSize};

void Draw(Pixels& pixels, std::vector<ChartPointF> points, const ChartRect& clip = kAll,
          ChartColour colour = kBlack) {
  DrawSmoothPolyline(pixels.Surface(), points, colour, clip);
}

TEST(SmoothPolyline, CoverageWhereTheLineRuns) {
  struct Case {
    const char* what;
    std::vector<ChartPointF> points;
    std::vector<std::pair<ChartPoint, int>> ink;  // pixel, expected coverage (±1)
  };
  const Case cases[] = {
      {"on a pixel row, both ends inclusive",
       {{2, 5}, {7, 5}},
       {{{2, 5}, 255}, {{7, 5}, 255}, {{1, 5}, 0}, {{8, 5}, 0}, {{4, 4}, 0}, {{4, 6}, 0}}},
      {"halfway between two rows",
       {{2, 5.5}, {7, 5.5}},
       {{{4, 5}, 128}, {{4, 6}, 128}, {{4, 4}, 0}, {{4, 7}, 0}}},
      {"a quarter below a row", {{2, 5.25}, {7, 5.25}}, {{{4, 5}, 191}, {{4, 6}, 64}}},
      {"steep: shared across columns",
       {{3.5, 2}, {3.5, 9}},
       {{{3, 2}, 128}, {{4, 9}, 128}, {{3, 10}, 0}, {{2, 5}, 0}}},
      {"a diagonal through pixel centres",
       {{1, 1}, {6, 6}},
       {{{3, 3}, 255}, {{3, 4}, 0}, {{4, 3}, 0}}},
      {"a joint taken once, at the larger coverage",
       {{2, 5}, {6, 5}, {10, 5}},
       {{{6, 5}, 255}, {{5, 5}, 255}, {{7, 5}, 255}}},
      {"one point", {{4.4, 4.6}}, {{{4, 4}, 102}, {{4, 5}, 153}}},
  };
  for (const Case& c : cases) {
    Pixels pixels;
    Draw(pixels, c.points);
    for (const auto& [at, ink] : c.ink) {
      EXPECT_NEAR(pixels.Ink(at.x, at.y), ink, 1) << c.what << " at " << at.x << "," << at.y;
    }
  }
}

TEST(SmoothPolyline, ColourBlendsOverWhatIsThere) {
  Pixels pixels;
  Draw(pixels, {{2, 5.5}, {7, 5.5}}, kAll, ChartColour{200, 0, 100});
  // Half of (200, 0, 100) over white: (227.5, 127.5, 177.5).
  const std::uint32_t half = pixels.At(4, 5);
  EXPECT_NEAR((half >> 16) & 0xFF, 227.5, 1);
  EXPECT_NEAR((half >> 8) & 0xFF, 127.5, 1);
  EXPECT_NEAR(half & 0xFF, 177.5, 1);
  Draw(pixels, {{2, 5}, {7, 5}}, kAll, ChartColour{0, 0, 255});
  EXPECT_EQ(pixels.At(4, 5), 0x000000FFu);  // full coverage replaces
}

TEST(SmoothPolyline, NothingOutsideTheClipOrTheSurface) {
  const double far = 1e300, nan = std::numeric_limits<double>::quiet_NaN();
  for (bool bottomUp : {false, true}) {
    Pixels pixels(bottomUp);
    Draw(pixels, {{-5, 3}, {30, 3}, {30, 40}, {-far, far}, {nan, 4}, {4, 4}}, kAll);
    EXPECT_TRUE(pixels.GuardIntact()) << bottomUp;
    // Row 3 alone: the segment to the far end runs nowhere near the surface.
    int inked = 0;
    for (int y = 0; y < Pixels::kSize; ++y) {
      for (int x = 0; x < Pixels::kSize; ++x) inked += pixels.Ink(x, y) != 0;
    }
    EXPECT_EQ(inked, Pixels::kSize) << bottomUp;
    EXPECT_EQ(pixels.Ink(0, 3), 255);
    EXPECT_EQ(pixels.Ink(19, 3), 255);

    Pixels clipped(bottomUp);
    Draw(clipped, {{0, 8}, {19, 8}, {19, 19}}, ChartRect{5, 0, 10, 12});
    EXPECT_EQ(clipped.Ink(4, 8), 0);
    EXPECT_EQ(clipped.Ink(5, 8), 255);
    EXPECT_EQ(clipped.Ink(14, 8), 255);
    EXPECT_EQ(clipped.Ink(15, 8), 0);
    EXPECT_EQ(clipped.Ink(19, 10), 0);
  }
}

}  // namespace
}  // namespace gb
