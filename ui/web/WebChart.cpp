#include "ui/web/WebChart.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "form/WindowCommands.h"
#include "ui/web/PageCalls.h"

namespace gb {

namespace {

std::uint32_t Rgba(ChartColour c) {
  return (std::uint32_t{c.r} << 24) | (std::uint32_t{c.g} << 16) | (std::uint32_t{c.b} << 8) | c.a;
}

// The pen's flags as page-library.js reads them.
int Flags(const ChartPen& pen) {
  return (pen.dashed ? 1 : 0) | (pen.flatCap ? 2 : 0) | (pen.hairline ? 4 : 0);
}

int FontNumber(ChartFont font) { return font == ChartFont::Bold ? 1 : 0; }

struct PagePainter {
  void operator()(const GradientCommand& c) const {
    std::vector<double> stops;
    for (const GradientStop& stop : c.stops) {
      stops.insert(stops.end(), {stop.at, double(stop.colour.r), double(stop.colour.g),
                                 double(stop.colour.b), double(stop.colour.a)});
    }
    gb_paint_gradient(c.rect.x, c.rect.y, c.rect.width, c.rect.height, c.fromY, c.toY, stops.data(),
                      static_cast<int>(c.stops.size()));
  }
  void operator()(const LineCommand& c) const {
    gb_paint_line(Rgba(c.pen.colour), c.pen.width, Flags(c.pen), c.from.x, c.from.y, c.to.x,
                  c.to.y);
  }
  void operator()(const PolylineCommand& c) const {
    static_assert(sizeof(ChartPointF) == 2 * sizeof(double));
    gb_paint_polyline(Rgba(c.pen.colour), c.pen.width, Flags(c.pen),
                      reinterpret_cast<const double*>(c.points.data()),
                      static_cast<int>(c.points.size()));
  }
  void operator()(const RectCommand& c) const {
    gb_paint_rect(Rgba(c.pen.colour), c.pen.width, Flags(c.pen), c.rect.x, c.rect.y, c.rect.width,
                  c.rect.height, c.filled ? 1 : 0, Rgba(c.fill));
  }
  void operator()(const TextCommand& c) const {
    gb_paint_text(c.rect.x, c.rect.y, c.rect.width, c.rect.height, FontNumber(c.font),
                  Rgba(c.colour), static_cast<int>(c.align), c.utf8.c_str(), c.rising ? 1 : 0,
                  c.origin.x, c.origin.y);
  }
  void operator()(const ClipCommand& c) const {
    gb_paint_clip(c.rect.x, c.rect.y, c.rect.width, c.rect.height, c.none ? 1 : 0);
  }
};

}  // namespace

int TWebTextMeasure::Width(std::string_view utf8) const {
  const auto [at, added] = widths_.try_emplace(std::string(utf8), 0);
  if (added) at->second = gb_page_text_width(FontNumber(font_), at->first.c_str());
  return at->second;
}

int TWebTextMeasure::LineHeight() const {
  if (lineHeight_ < 0) lineHeight_ = gb_page_line_height(FontNumber(font_));
  return lineHeight_;
}

void PaintOnPage(const DisplayList& list) {
  const PagePainter painter;
  for (const ChartCommand& command : list) std::visit(painter, command);
}

TWebChart::TWebChart() {
  plot_.SetChangeHandler([this] { MarkForRedraw(); });
}

// A re-plot appends almost a thousand points, each a change: the page hears of the first only,
// until the chart has been painted.
void TWebChart::MarkForRedraw() {
  if (redrawPending_) return;
  redrawPending_ = true;
  gb_page_chart_changed();
}

void TWebChart::Resize(ChartSize size) {
  if (size == size_) return;
  size_ = size;
  MarkForRedraw();
}

void TWebChart::Paint() {
  redrawPending_ = false;
  DisplayList list;
  view_.Paint(list);
  gb_paint_begin(size_.width, size_.height, 0);
  PaintOnPage(list);
}

std::string PngOnPage(const ChartPlot& plot, ChartSize size, int scale) {
  DisplayList list;
  const TWebChartFonts fonts;
  plot.Draw(list, size, fonts);
  gb_paint_begin(size.width, size.height, scale);
  PaintOnPage(list);
  std::uint8_t* bytes = nullptr;
  const int count = gb_paint_image(&bytes);
  const std::unique_ptr<std::uint8_t, decltype(&std::free)> owned(bytes, &std::free);
  return {reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count)};
}

std::string TWebChart::ImagePng() {
  const ChartSize pixels = ChartImagePixels(size_);
  return PngOnPage(plot_, {pixels.width / kChartImageScale, pixels.height / kChartImageScale},
                   kChartImageScale);
}

}  // namespace gb
