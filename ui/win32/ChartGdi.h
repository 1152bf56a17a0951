// GDI's side of the charting engine: its two faces (Verdana 8 pt and its bold) measured on a
// device context, and a display list carried out on one.
#pragma once

#include <windows.h>

#include "chart/ChartFonts.h"
#include "chart/DisplayList.h"
#include "chart/PixelSurface.h"

namespace gb {

class GdiTextMeasure : public TextMeasure {
 public:
  GdiTextMeasure(HDC dc, HFONT font);
  int Width(std::string_view utf8) const override;
  int LineHeight() const override { return lineHeight_; }

 private:
  HDC dc_;
  HFONT font_;
  int lineHeight_ = 0;
};

class GdiChartFonts : public ChartFonts {
 public:
  // The faces at `dpi` pixels per inch.
  explicit GdiChartFonts(int dpi = 96);
  ~GdiChartFonts() override;
  GdiChartFonts(const GdiChartFonts&) = delete;
  GdiChartFonts& operator=(const GdiChartFonts&) = delete;

  const TextMeasure& Measure(ChartFont font) const override;
  // The face, upright or turned a quarter anticlockwise.
  HFONT Font(ChartFont font, bool rising) const;

 private:
  HDC dc_;
  HFONT fonts_[2][2];  // [bold][rising]
  GdiTextMeasure plain_, bold_;
};

// Carries out `list` on `dc` in its current coordinates. On a `scaled` device (an image drawn
// larger) hairlines keep their share of the chart like every other line. Given the `pixels` `dc`
// draws on (unscaled, unturned), the curves get smooth edges there.
void PaintDisplayList(HDC dc, const DisplayList& list, const GdiChartFonts& fonts,
                      bool scaled = false, const PixelSurface* pixels = nullptr);

}  // namespace gb
