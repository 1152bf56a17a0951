#include "chart/ChartPlot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "chart/PlotMapping.h"
#include "extended/ExtendedRounding.h"

namespace gb {

namespace {

constexpr ChartColour kBackgroundGrey{234, 234, 234};
constexpr ChartColour kWhite{255, 255, 255};
constexpr ChartColour kBlack{0, 0, 0};
constexpr ChartColour kAxisLine{64, 64, 64};
constexpr ChartColour kGridLine{169, 169, 169};
constexpr ChartColour kLegendFrame{128, 128, 128};

constexpr int kBottomDecimals = 7;
constexpr int kLeftDecimals = 8;
constexpr int kTickLength = kAxisTickLength;
constexpr int kPad = kAxisPad;
constexpr int kRightMargin = 12;
constexpr int kCheckBox = 11;
constexpr int kLineSample = 18;
constexpr int kLegendInset = 2;

// Space between the bottom axis and the top of its labels: below the tick marks and below the
// lower half of a left label sitting on the bottom edge, so the two label sets never touch.
int BottomLabelGap(int line) { return std::max(kTickLength + 2, line - line / 2); }

// Half a label above the plot lets the topmost left label sit on the top edge.
int PlotTop(int line) { return line / 2 + kPad; }

int PlotHeight(ChartSize size, int line) {
  const int bottomMargin = BottomLabelGap(line) + line + kPad + line + kPad;
  return std::max(1, size.height - PlotTop(line) - bottomMargin);
}

// Left of the plot: the axis title, the widest left label and the tick marks.
int LeftMargin(const AxisScale& left, const TextMeasure& text) {
  int labelWidth = 0;
  for (const std::string& label : left.labels) labelWidth = std::max(labelWidth, text.Width(label));
  return kPad + text.LineHeight() + kPad + labelWidth + kPad + kTickLength;
}

int PlotWidth(ChartSize size, int leftMargin) {
  return std::max(1, size.width - leftMargin - kRightMargin);
}

int Pixel(Extended v) { return static_cast<int>(RoundHalfAway(v).Truncated()); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// ChartSeries

void ChartSeries::Extent::Add(double x, double y) {
  if (empty) {
    minX = maxX = x;
    minY = maxY = y;
    empty = false;
    return;
  }
  minX = std::min(minX, x);
  maxX = std::max(maxX, x);
  minY = std::min(minY, y);
  maxY = std::max(maxY, y);
}

void ChartSeries::Extent::Add(const Extent& other) {
  if (other.empty) return;
  Add(other.minX, other.minY);
  Add(other.maxX, other.maxY);
}

ChartSeries::ChartSeries(ChartPlot& plot, std::string title, ChartColour colour)
    : plot_(plot), title_(std::move(title)), colour_(colour) {
  points_.reserve(256);  // one spectrum of 241 samples without regrowth
}

void ChartSeries::Clear() {
  points_.clear();  // keeps the capacity for the next plot
  extent_ = {};
  plot_.Changed();
}

void ChartSeries::AddXY(double x, double y) {
  points_.push_back({x, y});
  if (std::isfinite(x) && std::isfinite(y)) extent_.Add(x, y);
  plot_.Changed();
}

// ---------------------------------------------------------------------------------------------
// ChartLayout

int ChartLayout::LegendRowAt(ChartPoint pos) const {
  for (std::size_t i = 0; i < legendRows.size(); ++i) {
    if (legendRows[i].Contains(pos)) return static_cast<int>(i);
  }
  return -1;
}

bool ChartLayout::OnPlot(ChartPoint pos) const {
  return pos.x >= plot.x && pos.x <= plot.x + plot.width && pos.y >= plot.y &&
         pos.y <= plot.y + plot.height;
}

// ---------------------------------------------------------------------------------------------
// ChartPlot

ChartPlot::ChartPlot() = default;
ChartPlot::~ChartPlot() = default;

void ChartPlot::Changed() {
  if (changed_) changed_();
}

ChartSeries* ChartPlot::AddSeries(std::string titleUtf8, ChartColour colour) {
  series_.push_back(
      std::unique_ptr<ChartSeries>(new ChartSeries(*this, std::move(titleUtf8), colour)));
  Changed();
  return series_.back().get();
}

ChartSeries* ChartPlot::Series(int index) {
  return index >= 0 && index < SeriesCount() ? series_[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

const ChartSeries* ChartPlot::Series(int index) const {
  return index >= 0 && index < SeriesCount() ? series_[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

bool ChartPlot::AnyShown() const {
  return std::any_of(series_.begin(), series_.end(), [](const auto& s) { return s->active_; });
}

void ChartPlot::Toggle(int index) {
  ChartSeries* s = Series(index);
  if (s == nullptr) return;
  s->active_ = !s->active_;
  Changed();
}

void ChartPlot::AutomaticRanges(ChartRange& bottom, ChartRange& left) const {
  const bool anyShown = AnyShown();
  ChartSeries::Extent all;
  for (const auto& s : series_) {
    if (!anyShown || s->active_) all.Add(s->extent_);
  }
  bottom = SpanOf(all.minX, all.maxX, all.empty);
  left = SpanOf(all.minY, all.maxY, all.empty);
}

ChartRange ChartPlot::BottomAxisRange() const {
  if (bottom_.fixed) return bottom_.range;
  ChartRange b, l;
  AutomaticRanges(b, l);
  return b;
}

ChartRange ChartPlot::LeftAxisRange() const {
  if (left_.fixed) return left_.range;
  ChartRange b, l;
  AutomaticRanges(b, l);
  return l;
}

void ChartPlot::FixBottomAxis(const ChartRange& range) {
  if (!Usable(range)) return;
  bottom_ = {true, range};
  Changed();
}

void ChartPlot::FixLeftAxis(const ChartRange& range) {
  if (!Usable(range)) return;
  left_ = {true, range};
  Changed();
}

void ChartPlot::FollowData() {
  bottom_.fixed = false;
  left_.fixed = false;
  Changed();
}

bool ChartPlot::Zoom(ChartRange x, ChartRange y, ChartSize size, const ChartFonts& fonts) {
  if (!Usable(x) || !Usable(y)) return false;
  const TextMeasure& text = fonts.Measure(ChartFont::Plain);
  const ChartRange fromX = BottomAxisRange(), fromY = LeftAxisRange();
  constexpr int kMostRounds = 400;
  // The left axis first: its length does not depend on the bottom axis, while the plot's width
  // depends on the left labels. Only the axis being widened is scaled again in each round.
  const int plotHeight = PlotHeight(size, text.LineHeight());
  AxisScale left = MakeAxisScale(y, kLeftDecimals, plotHeight, text, false);
  for (int round = 0; round < kMostRounds && !Labelled(left) && !(y == fromY); ++round) {
    y = Widen(y, fromY);
    left = MakeAxisScale(y, kLeftDecimals, plotHeight, text, false);
  }
  const int plotWidth = PlotWidth(size, LeftMargin(left, text));
  AxisScale bottom = MakeAxisScale(x, kBottomDecimals, plotWidth, text, true);
  for (int round = 0; round < kMostRounds && !Labelled(bottom) && !(x == fromX); ++round) {
    x = Widen(x, fromX);
    bottom = MakeAxisScale(x, kBottomDecimals, plotWidth, text, true);
  }
  if (x == fromX && y == fromY) return false;
  bottom_ = {true, x};
  left_ = {true, y};
  Changed();
  return true;
}

ChartLayout ChartPlot::Layout(ChartSize size, const ChartFonts& fonts) const {
  return LayoutWith(size, fonts, BottomAxisRange(), LeftAxisRange());
}

ChartLayout ChartPlot::LayoutWith(ChartSize size, const ChartFonts& fonts, const ChartRange& bottom,
                                  const ChartRange& left) const {
  ChartLayout layout;
  const TextMeasure& text = fonts.Measure(ChartFont::Plain);
  const int line = text.LineHeight();
  const int plotHeight = PlotHeight(size, line);
  layout.left = MakeAxisScale(left, kLeftDecimals, plotHeight, text, false);
  const int leftMargin = LeftMargin(layout.left, text);
  const int plotWidth = PlotWidth(size, leftMargin);
  layout.plot = ChartRect(leftMargin, PlotTop(line), plotWidth, plotHeight);
  layout.bottom = MakeAxisScale(bottom, kBottomDecimals, plotWidth, text, true);

  // The legend floats over the right part of the plot and takes no room from it.
  const TextMeasure& bold = fonts.Measure(ChartFont::Bold);
  int textWidth = 0;
  for (const auto& s : series_) textWidth = std::max(textWidth, bold.Width(s->title_));
  const int rowHeight = std::max(bold.LineHeight(), kCheckBox) + 2;
  const int checkBoxSpace = plainLegend_ ? 0 : kCheckBox + kPad;
  const int legendWidth = kPad + checkBoxSpace + kLineSample + kPad + textWidth + kPad;
  const int legendHeight = rowHeight * SeriesCount() + 2 * kLegendInset;
  const int legendLeft = layout.plot.x + layout.plot.width - kPad - legendWidth;
  const int legendTop = static_cast<int>(std::lround(size.height / 10.0));
  layout.legend = ChartRect(legendLeft, legendTop, legendWidth, legendHeight);
  for (int i = 0; i < SeriesCount(); ++i) {
    layout.legendRows.emplace_back(legendLeft, legendTop + kLegendInset + i * rowHeight,
                                   legendWidth, rowHeight);
  }
  return layout;
}

void ChartPlot::Draw(DisplayList& list, ChartSize size, const ChartFonts& fonts) const {
  Draw(list, Layout(size, fonts), size, fonts);
}

void ChartPlot::Draw(DisplayList& list, const ChartLayout& layout, ChartSize size,
                     const ChartFonts& fonts) const {
  const ChartRect& plot = layout.plot;
  const int plotRight = plot.x + plot.width;
  const int plotBottom = plot.y + plot.height;
  list.push_back(GradientCommand{ChartRect(0, 0, size.width, size.height),
                                 0,
                                 size.height,
                                 {{0, kBackgroundGrey}, {0.5, kBackgroundGrey}, {1, kWhite}}});
  list.push_back(GradientCommand{plot, plot.y, plotBottom, {{0, kBackgroundGrey}, {1, kWhite}}});

  const Mapper map(plot, layout.bottom.range, layout.left.range);
  const ChartPen grid{kGridLine, 1, false, false, true};
  for (const double t : layout.bottom.ticks) {
    const int x = Pixel(map.X(t));
    list.push_back(LineCommand{grid, {x, plot.y}, {x, plotBottom}});
  }
  for (const double t : layout.left.ticks) {
    const int y = Pixel(map.Y(t));
    list.push_back(LineCommand{grid, {plot.x, y}, {plotRight, y}});
  }
  DrawCurves(list, layout);

  const ChartPen axis{kAxisLine, 2, false, true, false};
  list.push_back(LineCommand{axis, {plot.x, plot.y}, {plot.x, plotBottom + 1}});
  list.push_back(LineCommand{axis, {plot.x - 1, plotBottom}, {plotRight, plotBottom}});
  DrawAxes(list, layout, size, fonts.Measure(ChartFont::Plain));
  DrawLegend(list, layout);
}

// Curves are clipped to the plot rectangle here rather than by the painter, so that coordinates
// far outside a zoomed view never reach the rasteriser. A non-finite point breaks the line.
void ChartPlot::DrawCurves(DisplayList& list, const ChartLayout& layout) const {
  const ChartRect& plot = layout.plot;
  const Mapper map(plot, layout.bottom.range, layout.left.range);
  const ClipBox box{Extended(plot.x), Extended(plot.y), Extended(plot.x + plot.width),
                    Extended(plot.y + plot.height)};
  for (const auto& s : series_) {
    if (!s->active_) continue;
    PolylineCommand run{{s->colour_, 1, false, false, true}, {}};
    auto flush = [&] {
      if (run.points.size() >= 2) list.push_back(run);
      run.points.clear();
    };
    auto point = [](Extended x, Extended y) { return ChartPointF{x.ToDouble(), y.ToDouble()}; };
    bool havePrevious = false;
    Extended px, py;
    for (const ChartSeries::Point& p : s->points_) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
        flush();
        havePrevious = false;
        continue;
      }
      const Extended cx = map.X(p.x), cy = map.Y(p.y);
      Extended ax = px, ay = py, bx = cx, by = cy;
      bool startMoved = false, endMoved = false;
      if (havePrevious && ClipSegment(ax, ay, bx, by, box, startMoved, endMoved)) {
        if (startMoved || run.points.empty()) {
          flush();
          run.points.push_back(point(ax, ay));
        }
        run.points.push_back(point(bx, by));
        if (endMoved) flush();
      } else if (havePrevious) {
        flush();
      }
      px = cx;
      py = cy;
      havePrevious = true;
    }
    flush();
  }
}

// Tick marks, labels and the two axis titles. Texts are placed by their measured widths.
void ChartPlot::DrawAxes(DisplayList& list, const ChartLayout& layout, ChartSize size,
                         const TextMeasure& text) const {
  const ChartRect& plot = layout.plot;
  const int plotBottom = plot.y + plot.height;
  const Mapper map(plot, layout.bottom.range, layout.left.range);
  const int line = text.LineHeight();
  const ChartPen tick{kAxisLine};
  auto label = [&](ChartRect where, const std::string& utf8) {
    list.push_back(LevelText(where, ChartFont::Plain, kAxisLine, TextAlign::Centre, utf8));
  };
  const int bottomLabelTop = plotBottom + BottomLabelGap(line);
  int previousRight = std::numeric_limits<int>::min();
  for (std::size_t i = 0; i < layout.bottom.ticks.size(); ++i) {
    const int x = Pixel(map.X(layout.bottom.ticks[i]));
    list.push_back(LineCommand{tick, {x, plotBottom + 1}, {x, plotBottom + kTickLength}});
    const int w = text.Width(layout.bottom.labels[i]);
    // The last label may stick out of the chart at the right; pull it in, and leave it out
    // should it then run into its neighbour.
    const int labelLeft = std::max(0, std::min(x - w / 2, size.width - w));
    if (labelLeft < previousRight + kPad) continue;
    label(ChartRect(labelLeft, bottomLabelTop, w, line), layout.bottom.labels[i]);
    previousRight = labelLeft + w;
  }
  const int leftLabelRight = plot.x - kTickLength - kPad;
  for (std::size_t i = 0; i < layout.left.ticks.size(); ++i) {
    const int y = Pixel(map.Y(layout.left.ticks[i]));
    list.push_back(LineCommand{tick, {plot.x - kTickLength, y}, {plot.x - 2, y}});
    const int w = text.Width(layout.left.labels[i]);
    label(ChartRect(leftLabelRight - w, y - line / 2, w, line), layout.left.labels[i]);
  }

  const std::string bottomTitle = "T (s)";
  const int titleWidth = text.Width(bottomTitle);
  label(ChartRect(plot.x + (plot.width - titleWidth) / 2, bottomLabelTop + line + kPad, titleWidth,
                  line),
        bottomTitle);
  const std::string leftTitle = "Sa (g)";
  const int leftTitleWidth = text.Width(leftTitle);
  list.push_back(TextCommand{ChartRect(-leftTitleWidth / 2, 0, leftTitleWidth, line),
                             ChartFont::Plain, kAxisLine, TextAlign::Centre, leftTitle, true,
                             ChartPoint{kPad, plot.y + plot.height / 2}});
}

// Transparent, a thin frame, one row per series: check box, line sample, title.
void ChartPlot::DrawLegend(DisplayList& list, const ChartLayout& layout) const {
  if (!series_.empty()) {
    list.push_back(Outline({kLegendFrame}, layout.legend.Adjusted(0, 0, -1, -1)));
  }
  for (int i = 0; i < SeriesCount(); ++i) {
    const ChartSeries& s = *series_[static_cast<std::size_t>(i)];
    const ChartRect& row = layout.legendRows[static_cast<std::size_t>(i)];
    const int midY = row.y + row.height / 2;
    int sampleLeft = row.x + kPad;
    if (!plainLegend_) {
      const ChartRect box(row.x + kPad, midY - kCheckBox / 2, kCheckBox, kCheckBox);
      list.push_back(RectCommand{{kAxisLine}, box.Adjusted(0, 0, -1, -1), true, kWhite});
      if (s.active_) {
        list.push_back(PolylineCommand{
            {kBlack, 2},
            {{box.x + 2.0, box.y + 5.0}, {box.x + 4.0, box.y + 8.0}, {box.x + 8.0, box.y + 2.0}}});
      }
      sampleLeft += kCheckBox + kPad;
    }
    list.push_back(
        LineCommand{{s.colour_, 2}, {sampleLeft, midY}, {sampleLeft + kLineSample, midY}});
    const int textLeft = sampleLeft + kLineSample + kPad;
    const ChartRect title(textLeft, row.y, row.x + row.width - textLeft, row.height);
    list.push_back(LevelText(title, ChartFont::Bold, s.colour_, TextAlign::Left, s.title_));
  }
}

}  // namespace gb
