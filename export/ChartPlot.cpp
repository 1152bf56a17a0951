#include "export/ChartPlot.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "chart/PlotMapping.h"
#include "text/DecimalFormats.h"

namespace gb {

namespace {

const QColor kBackgroundGrey(234, 234, 234);
const QColor kAxisLine(64, 64, 64);
const QColor kGridLine(169, 169, 169);
const QColor kLegendFrame(128, 128, 128);

constexpr int kBottomDecimals = 7;
constexpr int kLeftDecimals = 8;
constexpr int kTickLength = kAxisTickLength;
constexpr int kPad = kAxisPad;
constexpr int kRightMargin = 12;
constexpr int kCheckBox = 11;
constexpr int kLineSample = 18;
constexpr int kLegendInset = 2;

// Text measured with the chart's Qt fonts.
class QtTextMeasure : public TextMeasure {
 public:
  explicit QtTextMeasure(const QFontMetrics& fm) : fm_(fm) {}
  int Width(std::string_view utf8) const override {
    return fm_.horizontalAdvance(
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  }
  int LineHeight() const override { return fm_.height(); }

 private:
  const QFontMetrics& fm_;
};

// Space between the bottom axis and the top of its labels: below the tick marks and below the
// lower half of a left label sitting on the bottom edge, so the two label sets never touch.
int BottomLabelGap(int line) { return std::max(kTickLength + 2, line - line / 2); }

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

ChartSeries::ChartSeries(ChartPlot& plot, const QString& title, const QColor& color)
    : plot_(plot), title_(title), color_(color) {
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
// ChartPlot

namespace {}  // namespace

struct ChartPlot::Fonts {
  QFont text;
  QFont legend;
  QFontMetrics fm;
  QFontMetrics lfm;
};

ChartPlot::ChartPlot() : font_(QStringLiteral("Verdana"), 8), legendFont_(font_) {
  legendFont_.setBold(true);
}

ChartPlot::~ChartPlot() = default;

void ChartPlot::Changed() {
  if (changed_) changed_();
}

ChartSeries* ChartPlot::AddSeries(const QString& title, const QColor& color) {
  series_.push_back(std::unique_ptr<ChartSeries>(new ChartSeries(*this, title, color)));
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

bool ChartPlot::Zoom(ChartRange x, ChartRange y, QSize size, const QPaintDevice& device,
                     int fontDpi) {
  if (!Usable(x) || !Usable(y)) return false;
  const Fonts fonts = FontsFor(device, fontDpi);
  const ChartRange fromX = BottomAxisRange(), fromY = LeftAxisRange();
  // Each round widens only the axis that lacks labels; the plot's width depends on the left
  // labels, so both are looked at again after every step.
  for (int round = 0; round < 400; ++round) {
    const ChartLayout layout = LayoutWith(size, fonts, x, y);
    const bool bottomOk = Labelled(layout.bottom), leftOk = Labelled(layout.left);
    if ((bottomOk || x == fromX) && (leftOk || y == fromY)) break;
    if (!bottomOk) x = Widen(x, fromX);
    if (!leftOk) y = Widen(y, fromY);
  }
  if (x == fromX && y == fromY) return false;
  bottom_ = {true, x};
  left_ = {true, y};
  Changed();
  return true;
}

ChartPlot::Fonts ChartPlot::FontsFor(const QPaintDevice& device, int fontDpi) const {
  QFont text = font_, legend = legendFont_;
  const int deviceDpi = device.logicalDpiY();
  if (deviceDpi > 0 && deviceDpi != fontDpi) {
    const double scale = static_cast<double>(fontDpi) / deviceDpi;
    text.setPointSizeF(font_.pointSizeF() * scale);
    legend.setPointSizeF(legendFont_.pointSizeF() * scale);
  }
  return {text, legend, QFontMetrics(text, &device), QFontMetrics(legend, &device)};
}

ChartLayout ChartPlot::Layout(QSize size, const QPaintDevice& device, int fontDpi) const {
  return LayoutWith(size, FontsFor(device, fontDpi), BottomAxisRange(), LeftAxisRange());
}

ChartLayout ChartPlot::LayoutWith(QSize size, const Fonts& fonts, const ChartRange& bottom,
                                  const ChartRange& left) const {
  ChartLayout layout;
  const QFontMetrics& fm = fonts.fm;
  const int line = fm.height();
  // Half a label above the plot lets the topmost left label sit on the top edge.
  const int top = line / 2 + kPad;
  const int bottomMargin = BottomLabelGap(line) + line + kPad + line + kPad;
  const int plotHeight = std::max(1, size.height() - top - bottomMargin);
  const QtTextMeasure measure(fm);
  layout.left = MakeAxisScale(left, kLeftDecimals, plotHeight, measure, false);

  int labelWidth = 0;
  for (const std::string& label : layout.left.labels)
    labelWidth = std::max(labelWidth, measure.Width(label));
  const int leftMargin = kPad + line + kPad + labelWidth + kPad + kTickLength;
  const int plotWidth = std::max(1, size.width() - leftMargin - kRightMargin);
  layout.plot = QRect(leftMargin, top, plotWidth, plotHeight);
  layout.bottom = MakeAxisScale(bottom, kBottomDecimals, plotWidth, measure, true);

  // The legend floats over the right part of the plot and takes no room from it.
  const QFontMetrics& lfm = fonts.lfm;
  int textWidth = 0;
  for (const auto& s : series_) textWidth = std::max(textWidth, lfm.horizontalAdvance(s->title_));
  const int rowHeight = std::max(lfm.height(), kCheckBox) + 2;
  const int checkBoxSpace = plainLegend_ ? 0 : kCheckBox + kPad;
  const int legendWidth = kPad + checkBoxSpace + kLineSample + kPad + textWidth + kPad;
  const int legendHeight = rowHeight * SeriesCount() + 2 * kLegendInset;
  const int legendLeft = layout.plot.x() + layout.plot.width() - kPad - legendWidth;
  layout.legend = QRect(legendLeft, qRound(size.height() / 10.0), legendWidth, legendHeight);
  for (int i = 0; i < SeriesCount(); ++i) {
    layout.legendRows.emplace_back(legendLeft, layout.legend.y() + kLegendInset + i * rowHeight,
                                   legendWidth, rowHeight);
  }
  return layout;
}

void ChartPlot::Draw(QPainter& p, QSize size, int fontDpi) const {
  const Fonts fonts = FontsFor(*p.device(), fontDpi);
  const ChartLayout layout = LayoutWith(size, fonts, BottomAxisRange(), LeftAxisRange());
  const QRect& plot = layout.plot;
  const int plotRight = plot.x() + plot.width();
  const int plotBottom = plot.y() + plot.height();
  const Mapper map({plot.x(), plot.y(), plot.width(), plot.height()}, layout.bottom.range,
                   layout.left.range);
  const QRect all(QPoint(0, 0), size);
  p.save();

  QLinearGradient background(0, 0, 0, size.height());
  background.setColorAt(0, kBackgroundGrey);
  background.setColorAt(0.5, kBackgroundGrey);
  background.setColorAt(1, Qt::white);
  p.fillRect(all, background);
  QLinearGradient plotBackground(0, plot.y(), 0, plotBottom);
  plotBackground.setColorAt(0, kBackgroundGrey);
  plotBackground.setColorAt(1, Qt::white);
  p.fillRect(plot, plotBackground);

  // One pixel on screen; on a scaled page or image the line keeps its share of the chart.
  QPen pen(kGridLine, 1);
  pen.setCosmetic(!p.deviceTransform().isScaling());
  p.setPen(pen);
  for (const double t : layout.bottom.ticks) {
    const int x = static_cast<int>(std::lround(map.X(t)));
    p.drawLine(x, plot.y(), x, plotBottom);
  }
  for (const double t : layout.left.ticks) {
    const int y = static_cast<int>(std::lround(map.Y(t)));
    p.drawLine(plot.x(), y, plotRight, y);
  }

  // Curves: clipped to the plot rectangle here rather than by the painter, so that coordinates
  // far outside a zoomed view never reach the rasteriser. A non-finite point breaks the line.
  const ClipBox box{static_cast<long double>(plot.x()), static_cast<long double>(plot.y()),
                    static_cast<long double>(plotRight), static_cast<long double>(plotBottom)};
  QPolygonF run;
  for (const auto& s : series_) {
    if (!s->active_) continue;
    pen.setColor(s->color_);
    p.setPen(pen);
    run.clear();
    auto flush = [&] {
      if (run.size() >= 2) p.drawPolyline(run);
      run.clear();
    };
    bool havePrevious = false;
    long double px = 0, py = 0;
    for (const ChartSeries::Point& point : s->points_) {
      if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
        flush();
        havePrevious = false;
        continue;
      }
      const long double cx = map.X(point.x), cy = map.Y(point.y);
      if (havePrevious) {
        long double ax = px, ay = py, bx = cx, by = cy;
        bool startMoved = false, endMoved = false;
        if (ClipSegment(ax, ay, bx, by, box, startMoved, endMoved)) {
          if (startMoved || run.isEmpty()) {
            flush();
            run.append(QPointF(static_cast<double>(ax), static_cast<double>(ay)));
          }
          run.append(QPointF(static_cast<double>(bx), static_cast<double>(by)));
          if (endMoved) flush();
        } else {
          flush();
        }
      }
      px = cx;
      py = cy;
      havePrevious = true;
    }
    flush();
  }

  p.setPen(QPen(kAxisLine, 2, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(plot.x(), plot.y(), plot.x(), plotBottom + 1);
  p.drawLine(plot.x() - 1, plotBottom, plotRight, plotBottom);

  // Texts are placed by the measured widths; never cut a glyph should a device's rendering come
  // out a fraction wider than its metrics.
  constexpr int kText = Qt::AlignCenter | Qt::TextDontClip;
  p.setFont(fonts.text);
  const QFontMetrics& fm = fonts.fm;
  const int line = fm.height();
  p.setPen(QPen(kAxisLine, 1));
  const int bottomLabelTop = plotBottom + BottomLabelGap(line);
  int previousRight = std::numeric_limits<int>::min();
  for (std::size_t i = 0; i < layout.bottom.ticks.size(); ++i) {
    const int x = static_cast<int>(std::lround(map.X(layout.bottom.ticks[i])));
    p.drawLine(x, plotBottom + 1, x, plotBottom + kTickLength);
    const QString label = QString::fromStdString(layout.bottom.labels[i]);
    const int w = fm.horizontalAdvance(label);
    // The last label may stick out of the chart at the right; pull it in, and leave it out
    // should it then run into its neighbour.
    const int labelLeft = std::max(0, std::min(x - w / 2, size.width() - w));
    if (labelLeft < previousRight + kPad) continue;
    p.drawText(QRect(labelLeft, bottomLabelTop, w, line), kText, label);
    previousRight = labelLeft + w;
  }
  const int leftLabelRight = plot.x() - kTickLength - kPad;
  for (std::size_t i = 0; i < layout.left.ticks.size(); ++i) {
    const int y = static_cast<int>(std::lround(map.Y(layout.left.ticks[i])));
    p.drawLine(plot.x() - kTickLength, y, plot.x() - 2, y);
    const QString label = QString::fromStdString(layout.left.labels[i]);
    const int w = fm.horizontalAdvance(label);
    p.drawText(QRect(leftLabelRight - w, y - line / 2, w, line), kText, label);
  }

  const QString bottomTitle = QStringLiteral("T (s)");
  const int titleWidth = fm.horizontalAdvance(bottomTitle);
  p.drawText(QRect(plot.x() + (plot.width() - titleWidth) / 2, bottomLabelTop + line + kPad,
                   titleWidth, line),
             kText, bottomTitle);
  const QString leftTitle = QStringLiteral("Sa (g)");
  const int leftTitleWidth = fm.horizontalAdvance(leftTitle);
  p.save();
  p.translate(kPad, plot.y() + plot.height() / 2);
  p.rotate(-90);
  p.drawText(QRect(-leftTitleWidth / 2, 0, leftTitleWidth, line), kText, leftTitle);
  p.restore();

  // Legend: transparent, thin frame, one row per series.
  p.setPen(QPen(kLegendFrame, 1));
  p.setBrush(Qt::NoBrush);
  if (!series_.empty()) p.drawRect(layout.legend.adjusted(0, 0, -1, -1));
  p.setFont(fonts.legend);
  for (int i = 0; i < SeriesCount(); ++i) {
    const ChartSeries& s = *series_[static_cast<std::size_t>(i)];
    const QRect& row = layout.legendRows[static_cast<std::size_t>(i)];
    const int midY = row.y() + row.height() / 2;
    int sampleLeft = row.x() + kPad;
    if (!plainLegend_) {
      const QRect checkBox(row.x() + kPad, midY - kCheckBox / 2, kCheckBox, kCheckBox);
      p.setPen(QPen(kAxisLine, 1));
      p.setBrush(Qt::white);
      p.drawRect(checkBox.adjusted(0, 0, -1, -1));
      p.setBrush(Qt::NoBrush);
      if (s.active_) {
        p.setPen(QPen(Qt::black, 2));
        const QPoint tick[] = {checkBox.topLeft() + QPoint(2, 5), checkBox.topLeft() + QPoint(4, 8),
                               checkBox.topLeft() + QPoint(8, 2)};
        p.drawPolyline(tick, 3);
      }
      sampleLeft += kCheckBox + kPad;
    }
    p.setPen(QPen(s.color_, 2));
    p.drawLine(sampleLeft, midY, sampleLeft + kLineSample, midY);
    p.setPen(s.color_);
    const int textLeft = sampleLeft + kLineSample + kPad;
    p.drawText(QRect(textLeft, row.y(), row.x() + row.width() - textLeft, row.height()),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, s.title_);
  }
  p.restore();
}

}  // namespace gb
