// The chart cht2 on the page's canvas: the charting engine's plot and view, measured with the
// browser's fonts and painted through the page's 2D canvas, command by command of the display list.
#pragma once

#include <string>
#include <unordered_map>

#include "chart/ChartView.h"

namespace gb {

class TWebTextMeasure : public TextMeasure {
 public:
  explicit TWebTextMeasure(ChartFont font) : font_(font) {}
  int Width(std::string_view utf8) const override;
  int LineHeight() const override;

 private:
  ChartFont font_;
  // A redraw measures the same few dozen labels again; the browser is asked once for each.
  mutable std::unordered_map<std::string, int> widths_;
  mutable int lineHeight_ = -1;
};

class TWebChartFonts : public ChartFonts {
 public:
  const TextMeasure& Measure(ChartFont font) const override {
    return font == ChartFont::Bold ? bold_ : plain_;
  }

 private:
  TWebTextMeasure plain_{ChartFont::Plain}, bold_{ChartFont::Bold};
};

// Carries out `list` on the canvas gb_paint_begin chose.
void PaintOnPage(const DisplayList& list);
// `plot` drawn at `size` in chart pixels, `scale` times as many image pixels, as PNG bytes.
std::string PngOnPage(const ChartPlot& plot, ChartSize size, int scale);

class TWebChart : public ChartSurface {
 public:
  TWebChart();
  ChartSize Size() const override { return size_; }
  const ChartFonts& Fonts() const override { return fonts_; }

  ChartPlot& Plot() { return plot_; }
  ChartView& View() { return view_; }
  void Resize(ChartSize size);
  // The chart as the screen shows it now.
  void Paint();
  // The chart as an image file: twice its size on screen (at least its designed size), PNG.
  std::string ImagePng();

 private:
  void MarkForRedraw();

  ChartPlot plot_;
  TWebChartFonts fonts_;
  ChartSize size_{448, 198};
  ChartView view_{plot_, *this};
  bool redrawPending_ = false;
};

}  // namespace gb
