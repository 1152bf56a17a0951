// The calculation sheet measured and drawn with GDI at a printer's resolution: one A4 page, the
// measures agreeing with what DrawText draws, and every part drawn inside the text area.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "chart/ChartPlot.h"
#include "tests/support/DesignedParameters.h"
#include "ui/win32/GdiDrawing.h"
#include "ui/win32/SheetPrinter.h"

namespace gb {
namespace {

// A 300-dpi bitmap of the A4 text area, white.
class Page {
 public:
  static constexpr int kDpi = 300;
  Page() {
    width_ =
        static_cast<int>((kSheetPageWidth - kSheetMarginLeft - kSheetMarginRight) * kDpi / 25.4);
    height_ =
        static_cast<int>((kSheetPageHeight - kSheetMarginTop - kSheetMarginBottom) * kDpi / 25.4);
    bitmap_ = CreateTopDownBitmap(width_, height_, reinterpret_cast<void**>(&bits_));
    std::fill(bits_, bits_ + static_cast<std::size_t>(width_) * height_, 0xFFFFFFFFu);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Page() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // For looking at: the page as a BMP file.
  void SaveBmp(const char* path) const {
    GdiFlush();
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = -height_;
    info.biPlanes = 1;
    info.biBitCount = 32;
    const DWORD pixels = static_cast<DWORD>(width_) * height_ * 4;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + pixels;
    if (FILE* f = std::fopen(path, "wb")) {
      std::fwrite(&file, sizeof file, 1, f);
      std::fwrite(&info, sizeof info, 1, f);
      std::fwrite(bits_, pixels, 1, f);
      std::fclose(f);
    }
  }
  // The lowest row with anything drawn on it, or -1.
  int LowestInkedRow() const {
    GdiFlush();
    for (int y = height_ - 1; y >= 0; --y) {
      for (int x = 0; x < width_; ++x) {
        if ((bits_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF) != 0xFFFFFF) return y;
      }
    }
    return -1;
  }

 private:
  int width_ = 0, height_ = 0;
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST(SheetPrinter, OnePageDrawnInsideTheTextArea) {
  const Page page;
  // A memory DC reports the screen's resolution; the sheet scales by what the device says.
  const GdiSheet device(page.Dc());
  const CalculationSheet sheet = MakeCalculationSheet(test::DesignedParameterSet(), scII,
                                                      "2026-12-09 10:00:00", "京沪线", "K12+300");
  const double width = kSheetPageWidth - kSheetMarginLeft - kSheetMarginRight;
  const double height = kSheetPageHeight - kSheetMarginTop - kSheetMarginBottom;
  const SheetPage laid = LayOutSheet(sheet, device, width, height);
  EXPECT_GT(laid.scale, 0.5);
  EXPECT_LE(laid.scale, 1.0);
  // Measures in millimetres whatever the device: a line of 8 pt is 3.4 mm in Tahoma, more in the
  // Chinese face a Chinese system may put in its place.
  EXPECT_GT(device.LineMm(SheetFont{8, false}), 2.8);
  EXPECT_LT(device.LineMm(SheetFont{8, false}), 5.0);
  EXPECT_GT(
      device.HeightMm(SheetFont{8, false}, 20, std::string(200, 'x') + " y", SheetFlow::WordWrap),
      device.LineMm(SheetFont{8, false}) * 1.5);

  ChartPlot chart;
  PlotSheetChart(chart, sheet);
  device.Paint(laid, chart, 0, 0);
  if (const char* out = std::getenv("GB_SHEET_BMP")) page.SaveBmp(out);
  const int lowest = page.LowestInkedRow();
  EXPECT_GT(lowest, 0) << "nothing was drawn";
  // The body stays in the text area (the footer below it is drawn unscaled from the same corner).
  EXPECT_LT(lowest, page.Height() + device.Dev(kSheetMarginBottom));
}

}  // namespace
}  // namespace gb
