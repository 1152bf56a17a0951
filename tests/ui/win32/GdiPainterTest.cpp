// The chart's display list carried out with GDI, checked pixel by pixel where the geometry has
// a convention to keep: lines end on their last pixel, an outline is the rectangle plus the pen,
// a clip holds until lifted, curves are smooth, a gradient runs from its top colour to its bottom
// one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "ui/win32/ChartGdi.h"
#include "ui/win32/GdiDrawing.h"

namespace gb {
namespace {

constexpr ChartColour kInk{200, 0, 0};
constexpr COLORREF kInkRef = RGB(200, 0, 0);
constexpr COLORREF kPaper = RGB(255, 255, 255);

class Canvas {
 public:
  Canvas() {
    bitmap_ = CreateTopDownBitmap(kSize, kSize, reinterpret_cast<void**>(&bits_));
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
    const RECT all{0, 0, kSize, kSize};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  void Paint(const DisplayList& list) {
    const PixelSurface pixels{bits_, kSize, kSize, kSize};
    PaintDisplayList(dc_, list, fonts_, false, &pixels);
    GdiFlush();
  }
  // Logical (x, y) lands on the pixel at the origin.
  void Origin(int x, int y) { SetWindowOrgEx(dc_, x, y, nullptr); }
  COLORREF At(int x, int y) const {
    const std::uint32_t p = bits_[y * kSize + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  static constexpr int kSize = 40;
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  GdiChartFonts fonts_;
};

struct PixelCase {
  int x, y;
  COLORREF expected;
};

void ExpectPixels(const Canvas& canvas, std::initializer_list<PixelCase> cases) {
  for (const PixelCase& c : cases) {
    EXPECT_EQ(canvas.At(c.x, c.y), c.expected) << "at " << c.x << "," << c.y;
  }
}

TEST(GdiPainter, LinesEndOnTheirLastPixel) {
  Canvas canvas;
  canvas.Paint({LineCommand{{kInk}, {2, 2}, {7, 2}}, LineCommand{{kInk}, {2, 5}, {2, 9}}});
  ExpectPixels(canvas, {{2, 2, kInkRef},
                        {7, 2, kInkRef},
                        {8, 2, kPaper},
                        {1, 2, kPaper},
                        {2, 9, kInkRef},
                        {2, 10, kPaper}});
}

TEST(GdiPainter, AnOutlineCoversTheRectanglePlusThePen) {
  Canvas canvas;
  canvas.Paint({Outline({kInk}, {10, 10, 5, 3}),
                RectCommand{{kInk}, {20, 20, 4, 4}, true, ChartColour{0, 0, 255}}});
  ExpectPixels(canvas, {{10, 10, kInkRef},
                        {15, 10, kInkRef},
                        {15, 13, kInkRef},
                        {16, 10, kPaper},
                        {12, 11, kPaper},
                        {10, 14, kPaper},
                        {22, 22, RGB(0, 0, 255)},
                        {24, 24, kInkRef}});
}

TEST(GdiPainter, AClipHoldsUntilLifted) {
  Canvas canvas;
  canvas.Paint({ClipCommand{{5, 0, 10, 40}}, LineCommand{{kInk}, {0, 3}, {30, 3}},
                ClipCommand{{}, true}, LineCommand{{kInk}, {0, 6}, {30, 6}}});
  ExpectPixels(canvas, {{4, 3, kPaper},
                        {5, 3, kInkRef},
                        {14, 3, kInkRef},
                        {15, 3, kPaper},
                        {0, 6, kInkRef},
                        {30, 6, kInkRef}});
}

TEST(GdiPainter, CurvesOnScreenHaveSmoothEdgesInsideTheClip) {
  Canvas canvas;
  ChartPen curve{kInk};
  curve.hairline = true;
  canvas.Paint({ClipCommand{{5, 0, 20, 40}}, PolylineCommand{curve, {{0, 10.5}, {30, 10.5}}},
                PolylineCommand{curve, {{8, 20}, {12, 20}, {16, 20}}}, ClipCommand{{}, true}});
  // Halfway between two rows each takes half the ink; none outside the clip.
  const COLORREF half = canvas.At(10, 10);
  EXPECT_NEAR(GetRValue(half), 228, 2);
  EXPECT_NEAR(GetGValue(half), 128, 2);
  EXPECT_EQ(canvas.At(10, 11), half);
  ExpectPixels(canvas, {{4, 10, kPaper},
                        {25, 10, kPaper},
                        {8, 20, kInkRef},
                        {12, 20, kInkRef},
                        {16, 20, kInkRef},
                        {17, 20, kPaper}});

  // With the window's origin moved (a buffer for part of a control), the curve and its clip move
  // with the rest of the drawing.
  Canvas moved;
  moved.Origin(3, 2);
  moved.Paint({ClipCommand{{8, 0, 10, 40}}, PolylineCommand{curve, {{0, 22}, {30, 22}}},
               ClipCommand{{}, true}});
  ExpectPixels(moved, {{4, 20, kPaper}, {5, 20, kInkRef}, {14, 20, kInkRef}, {15, 20, kPaper}});
}

TEST(GdiPainter, AGradientRunsFromTopToBottom) {
  Canvas canvas;
  canvas.Paint({GradientCommand{
      {0, 0, 10, 11}, 0, 10, {{0, ChartColour{255, 0, 0}}, {1, ChartColour{0, 0, 255}}}}});
  ExpectPixels(canvas, {{5, 0, RGB(255, 0, 0)}, {5, 10, RGB(0, 0, 255)}, {5, 11, kPaper}});
  const COLORREF middle = canvas.At(5, 5);
  EXPECT_NEAR(GetRValue(middle), 128, 2);
  EXPECT_NEAR(GetBValue(middle), 128, 2);
}

TEST(GdiPainter, ChartFacesMeasureTheirText) {
  const GdiChartFonts fonts;
  const TextMeasure& plain = fonts.Measure(ChartFont::Plain);
  const TextMeasure& bold = fonts.Measure(ChartFont::Bold);
  EXPECT_GT(plain.LineHeight(), 8);
  EXPECT_GT(plain.Width("0.35"), plain.Width("0"));
  EXPECT_GE(bold.Width("Sa (g)"), plain.Width("Sa (g)"));
  EXPECT_EQ(plain.Width(""), 0);
}

}  // namespace
}  // namespace gb
