#include "ui/chart/TChart.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "text/DecimalFormats.h"

namespace {

const QColor kBackgroundGrey(234, 234, 234);
const QColor kAxisLine(64, 64, 64);
const QColor kGridLine(169, 169, 169);
const QColor kLegendFrame(128, 128, 128);

constexpr int kBottomDecimals = 7;
constexpr int kLeftDecimals = 8;
constexpr int kTickLength = 4;
constexpr int kPad = 4;
constexpr int kRightMargin = 12;
constexpr int kBottomLabelGap = 8;  // free pixels at least between neighbouring bottom labels
constexpr int kMaxTicks = 1000;
constexpr int kCheckBox = 11;
constexpr int kLineSample = 18;
constexpr int kLegendInset = 2;

QString AxisLabel(double value, int decimals) {
  return QString::fromStdString(gb::FormatGroupedDecimal(value, decimals));
}

// Space between the bottom axis and the top of its labels: below the tick marks and below the
// lower half of a left label sitting on the bottom edge, so the two label sets never touch.
int BottomLabelGap(int line) { return std::max(kTickLength + 2, line - line / 2); }

bool Usable(const TChartRange& r) {
  return std::isfinite(r.Minimum) && std::isfinite(r.Maximum) && r.Minimum < r.Maximum;
}

// The automatic range of one axis: the bare extent, opened around the value when it is flat so
// that the scale never divides by zero.
TChartRange SpanOf(double lo, double hi, bool empty) {
  if (empty) return {0, 1};
  if (lo < hi) return {lo, hi};
  const double d = lo == 0 ? 1 : std::max(std::abs(lo) / 16, std::numeric_limits<double>::min());
  TChartRange r{lo - d, lo + d};
  if (!std::isfinite(r.Minimum)) r.Minimum = lo;
  if (!std::isfinite(r.Maximum)) r.Maximum = lo;
  return r;
}

long double Width(const TChartRange& r) { return static_cast<long double>(r.Maximum) - r.Minimum; }

// Multiples of mantissa x 10^exponent inside the range. Each is computed from the integer
// multiple in one division or multiplication, so it is the double nearest to the decimal tick
// rather than an accumulation of binary steps. Empty when the step is too fine to enumerate.
std::vector<double> TickValues(const TChartRange& r, int mantissa, int exponent) {
  std::vector<double> ticks;
  const long double power = std::pow(10.0L, std::abs(exponent));
  const long double step = exponent < 0 ? mantissa / power : mantissa * power;
  const long double first = std::ceil(r.Minimum / step);
  const long double last = std::floor(r.Maximum / step);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first >= kMaxTicks) return ticks;
  for (long double k = first; k <= last; k += 1) {
    const long double multiple = k * mantissa;
    const double v = static_cast<double>(exponent < 0 ? multiple / power : multiple * power);
    if (v < r.Minimum || v > r.Maximum || (!ticks.empty() && v <= ticks.back())) continue;
    ticks.push_back(v);
  }
  return ticks;
}

// Pixel positions of values inside the plot rectangle, in extended precision so that far-away
// points of a deeply zoomed view neither overflow nor lose their direction.
struct Mapper {
  long double left, bottom, xMin, yMin, xScale, yScale;
  Mapper(const QRect& plot, const TChartRange& x, const TChartRange& y)
      : left(plot.x()),
        bottom(plot.y() + plot.height()),
        xMin(x.Minimum),
        yMin(y.Minimum),
        xScale(plot.width() / Width(x)),
        yScale(plot.height() / Width(y)) {}
  long double X(double v) const { return left + (v - xMin) * xScale; }
  long double Y(double v) const { return bottom - (v - yMin) * yScale; }
};

struct ClipBox {
  long double x0, y0, x1, y1;
};

// Liang-Barsky: cuts segment a-b down to the box; false when none of it lies inside.
bool ClipSegment(long double& ax, long double& ay, long double& bx, long double& by,
                 const ClipBox& box, bool& startMoved, bool& endMoved) {
  const long double dx = bx - ax, dy = by - ay;
  long double t0 = 0, t1 = 1;
  auto edge = [&](long double p, long double q) {
    if (p == 0) return q >= 0;
    const long double r = q / p;
    if (p < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
    return true;
  };
  if (!edge(-dx, ax - box.x0) || !edge(dx, box.x1 - ax) || !edge(-dy, ay - box.y0) ||
      !edge(dy, box.y1 - ay))
    return false;
  endMoved = t1 < 1;
  startMoved = t0 > 0;
  if (endMoved) {
    bx = ax + t1 * dx;
    by = ay + t1 * dy;
  }
  if (startMoved) {
    ax += t0 * dx;
    ay += t0 * dy;
  }
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TChartSeries

void TChartSeries::Extent::Add(double x, double y) {
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

void TChartSeries::Extent::Add(const Extent& other) {
  if (other.empty) return;
  Add(other.minX, other.minY);
  Add(other.maxX, other.maxY);
}

TChartSeries::TChartSeries(TChart& chart, const QString& title, const QColor& color)
    : chart_(chart), title_(title), color_(color) {
  points_.reserve(256);  // one spectrum of 241 samples without regrowth
}

void TChartSeries::Clear() {
  points_.clear();  // keeps the capacity for the next plot
  extent_ = {};
  chart_.MarkForRedraw();
}

void TChartSeries::AddXY(double x, double y) {
  points_.push_back({x, y});
  if (std::isfinite(x) && std::isfinite(y)) extent_.Add(x, y);
  chart_.MarkForRedraw();
}

// ---------------------------------------------------------------------------------------------
// TChart

namespace {

// One axis as painted: its range, the tick values inside it and their label texts.
struct AxisScale {
  TChartRange range;
  std::vector<double> ticks;
  QStringList labels;
};

}  // namespace

struct TChart::Layout {
  QRect plot;
  AxisScale bottom;
  AxisScale left;
  QRect legend;
  std::vector<QRect> legendRows;
};

namespace {

// The finest 1-2-5 step whose labels fit along the axis, never finer than the last decimal a
// label can show (finer steps would repeat label texts).
AxisScale MakeScale(const TChartRange& range, int decimals, int plotLength, const QFontMetrics& fm,
                    bool horizontal) {
  AxisScale scale{range, {}, {}};
  const long double width = Width(range);
  if (plotLength <= 0 || !(width > 0)) return scale;
  const int minSpacing =
      horizontal ? fm.horizontalAdvance(QLatin1Char('0')) + kBottomLabelGap : fm.height() + kPad;
  const long double finest = width * minSpacing / plotLength;
  int exponent = std::max(static_cast<int>(std::floor(std::log10(finest))), -decimals);
  for (int decade = 0; decade < 40; ++decade, ++exponent) {
    for (const int mantissa : {1, 2, 5}) {
      const long double power = std::pow(10.0L, std::abs(exponent));
      const long double step = exponent < 0 ? mantissa / power : mantissa * power;
      const long double spacing = step / width * plotLength;
      if (spacing < minSpacing) continue;
      std::vector<double> ticks = TickValues(range, mantissa, exponent);
      QStringList labels;
      labels.reserve(static_cast<qsizetype>(ticks.size()));
      int widest = 0;
      for (const double t : ticks) {
        labels.append(AxisLabel(t, decimals));
        if (horizontal) widest = std::max(widest, fm.horizontalAdvance(labels.back()));
      }
      if (horizontal && spacing < widest + kBottomLabelGap) continue;
      scale.ticks = std::move(ticks);
      scale.labels = std::move(labels);
      return scale;
    }
  }
  return scale;
}

}  // namespace

TChart::TChart(QWidget* parent)
    : QWidget(parent), font_(QStringLiteral("Verdana"), 8), legendFont_(font_) {
  legendFont_.setBold(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
}

TChart::~TChart() = default;

TChartSeries* TChart::AddSeries(const QString& title, const QColor& color) {
  series_.push_back(std::unique_ptr<TChartSeries>(new TChartSeries(*this, title, color)));
  MarkForRedraw();
  return series_.back().get();
}

TChartSeries* TChart::Series(int index) {
  return index >= 0 && index < SeriesCount() ? series_[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

const TChartSeries* TChart::Series(int index) const {
  return index >= 0 && index < SeriesCount() ? series_[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

void TChart::MarkForRedraw() {
  // A re-plot appends hundreds of points inside one handler; one queued update covers them all
  // and is painted after the handler has returned to the event loop.
  if (redrawPending_) return;
  redrawPending_ = true;
  update();
}

bool TChart::AnyShown() const {
  return std::any_of(series_.begin(), series_.end(), [](const auto& s) { return s->active_; });
}

void TChart::AutomaticRanges(TChartRange& bottom, TChartRange& left) const {
  const bool anyShown = AnyShown();
  TChartSeries::Extent all;
  for (const auto& s : series_) {
    if (!anyShown || s->active_) all.Add(s->extent_);
  }
  bottom = SpanOf(all.minX, all.maxX, all.empty);
  left = SpanOf(all.minY, all.maxY, all.empty);
}

TChartRange TChart::BottomAxisRange() const {
  if (bottom_.fixed) return bottom_.range;
  TChartRange b, l;
  AutomaticRanges(b, l);
  return b;
}

TChartRange TChart::LeftAxisRange() const {
  if (left_.fixed) return left_.range;
  TChartRange b, l;
  AutomaticRanges(b, l);
  return l;
}

TChart::Layout TChart::ComputeLayout() const {
  Layout layout;
  const QFontMetrics fm(font_);
  const int line = fm.height();
  // Half a label above the plot lets the topmost left label sit on the top edge.
  const int top = line / 2 + kPad;
  const int bottomMargin = BottomLabelGap(line) + line + kPad + line + kPad;
  const int plotHeight = std::max(1, height() - top - bottomMargin);
  layout.left = MakeScale(LeftAxisRange(), kLeftDecimals, plotHeight, fm, false);

  int labelWidth = 0;
  for (const QString& label : layout.left.labels)
    labelWidth = std::max(labelWidth, fm.horizontalAdvance(label));
  const int leftMargin = kPad + line + kPad + labelWidth + kPad + kTickLength;
  const int plotWidth = std::max(1, width() - leftMargin - kRightMargin);
  layout.plot = QRect(leftMargin, top, plotWidth, plotHeight);
  layout.bottom = MakeScale(BottomAxisRange(), kBottomDecimals, plotWidth, fm, true);

  // The legend floats over the right part of the plot and takes no room from it.
  const QFontMetrics lfm(legendFont_);
  int textWidth = 0;
  for (const auto& s : series_) textWidth = std::max(textWidth, lfm.horizontalAdvance(s->title_));
  const int rowHeight = std::max(lfm.height(), kCheckBox) + 2;
  const int legendWidth = kPad + kCheckBox + kPad + kLineSample + kPad + textWidth + kPad;
  const int legendHeight = rowHeight * SeriesCount() + 2 * kLegendInset;
  const int legendLeft = layout.plot.x() + layout.plot.width() - kPad - legendWidth;
  layout.legend = QRect(legendLeft, qRound(height() / 10.0), legendWidth, legendHeight);
  for (int i = 0; i < SeriesCount(); ++i) {
    layout.legendRows.emplace_back(legendLeft, layout.legend.y() + kLegendInset + i * rowHeight,
                                   legendWidth, rowHeight);
  }
  return layout;
}

std::vector<double> TChart::BottomAxisTicks() const { return ComputeLayout().bottom.ticks; }
std::vector<double> TChart::LeftAxisTicks() const { return ComputeLayout().left.ticks; }
QStringList TChart::BottomAxisLabels() const { return ComputeLayout().bottom.labels; }
QStringList TChart::LeftAxisLabels() const { return ComputeLayout().left.labels; }
QRect TChart::PlotArea() const { return ComputeLayout().plot; }
QRect TChart::LegendRect() const { return ComputeLayout().legend; }

QRect TChart::LegendRowRect(int index) const {
  if (index < 0 || index >= SeriesCount()) return {};
  return ComputeLayout().legendRows[static_cast<std::size_t>(index)];
}

void TChart::paintEvent(QPaintEvent* /*event*/) {
  redrawPending_ = false;
  const Layout layout = ComputeLayout();
  const QRect& plot = layout.plot;
  const int plotRight = plot.x() + plot.width();
  const int plotBottom = plot.y() + plot.height();
  const Mapper map(plot, layout.bottom.range, layout.left.range);
  QPainter p(this);

  QLinearGradient background(0, 0, 0, height());
  background.setColorAt(0, kBackgroundGrey);
  background.setColorAt(0.5, kBackgroundGrey);
  background.setColorAt(1, Qt::white);
  p.fillRect(rect(), background);
  QLinearGradient plotBackground(0, plot.y(), 0, plotBottom);
  plotBackground.setColorAt(0, kBackgroundGrey);
  plotBackground.setColorAt(1, Qt::white);
  p.fillRect(plot, plotBackground);

  QPen pen(kGridLine, 1);
  pen.setCosmetic(true);
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
    for (const TChartSeries::Point& point : s->points_) {
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

  p.setFont(font_);
  const QFontMetrics fm(font_);
  const int line = fm.height();
  p.setPen(QPen(kAxisLine, 1));
  const int bottomLabelTop = plotBottom + BottomLabelGap(line);
  int previousRight = std::numeric_limits<int>::min();
  for (std::size_t i = 0; i < layout.bottom.ticks.size(); ++i) {
    const int x = static_cast<int>(std::lround(map.X(layout.bottom.ticks[i])));
    p.drawLine(x, plotBottom + 1, x, plotBottom + kTickLength);
    const QString& label = layout.bottom.labels[static_cast<qsizetype>(i)];
    const int w = fm.horizontalAdvance(label);
    // The last label may stick out of the control at the right; pull it in, and leave it out
    // should it then run into its neighbour.
    const int labelLeft = std::max(0, std::min(x - w / 2, width() - w));
    if (labelLeft < previousRight + kPad) continue;
    p.drawText(QRect(labelLeft, bottomLabelTop, w, line), Qt::AlignCenter, label);
    previousRight = labelLeft + w;
  }
  const int leftLabelRight = plot.x() - kTickLength - kPad;
  for (std::size_t i = 0; i < layout.left.ticks.size(); ++i) {
    const int y = static_cast<int>(std::lround(map.Y(layout.left.ticks[i])));
    p.drawLine(plot.x() - kTickLength, y, plot.x() - 2, y);
    const QString& label = layout.left.labels[static_cast<qsizetype>(i)];
    const int w = fm.horizontalAdvance(label);
    p.drawText(QRect(leftLabelRight - w, y - line / 2, w, line), Qt::AlignCenter, label);
  }

  const QString bottomTitle = QStringLiteral("T (s)");
  const int titleWidth = fm.horizontalAdvance(bottomTitle);
  p.drawText(QRect(plot.x() + (plot.width() - titleWidth) / 2, bottomLabelTop + line + kPad,
                   titleWidth, line),
             Qt::AlignCenter, bottomTitle);
  const QString leftTitle = QStringLiteral("Sa (g)");
  const int leftTitleWidth = fm.horizontalAdvance(leftTitle);
  p.save();
  p.translate(kPad, plot.y() + plot.height() / 2);
  p.rotate(-90);
  p.drawText(QRect(-leftTitleWidth / 2, 0, leftTitleWidth, line), Qt::AlignCenter, leftTitle);
  p.restore();

  // Legend: transparent, thin frame, one row per series.
  p.setPen(QPen(kLegendFrame, 1));
  p.setBrush(Qt::NoBrush);
  if (!series_.empty()) p.drawRect(layout.legend.adjusted(0, 0, -1, -1));
  p.setFont(legendFont_);
  for (int i = 0; i < SeriesCount(); ++i) {
    const TChartSeries& s = *series_[static_cast<std::size_t>(i)];
    const QRect& row = layout.legendRows[static_cast<std::size_t>(i)];
    const int midY = row.y() + row.height() / 2;
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
    const int sampleLeft = checkBox.x() + kCheckBox + kPad;
    p.setPen(QPen(s.color_, 2));
    p.drawLine(sampleLeft, midY, sampleLeft + kLineSample, midY);
    p.setPen(s.color_);
    const int textLeft = sampleLeft + kLineSample + kPad;
    p.drawText(QRect(textLeft, row.y(), row.x() + row.width() - textLeft, row.height()),
               Qt::AlignLeft | Qt::AlignVCenter, s.title_);
  }

  if (drag_ == Drag::Zoom) {
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawRect(QRect(dragStart_, dragPoint_).normalized());
  }
}

namespace {

bool InPlot(const QRect& plot, const QPoint& pos) {
  return pos.x() >= plot.x() && pos.x() <= plot.x() + plot.width() && pos.y() >= plot.y() &&
         pos.y() <= plot.y() + plot.height();
}

QPoint ClampToPlot(const QRect& plot, const QPoint& pos) {
  return {std::clamp(pos.x(), plot.x(), plot.x() + plot.width()),
          std::clamp(pos.y(), plot.y(), plot.y() + plot.height())};
}

}  // namespace

void TChart::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  // A drag whose release never arrived (the grab went elsewhere) must not block new ones.
  if ((drag_ == Drag::Zoom && !(event->buttons() & Qt::LeftButton)) ||
      (drag_ == Drag::Scroll && !(event->buttons() & Qt::RightButton)))
    drag_ = Drag::None;
  if (drag_ != Drag::None) return;

  const Layout layout = ComputeLayout();
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    for (int i = 0; i < SeriesCount(); ++i) {
      if (layout.legendRows[static_cast<std::size_t>(i)].contains(pos)) {
        TChartSeries& s = *series_[static_cast<std::size_t>(i)];
        s.active_ = !s.active_;
        MarkForRedraw();
        return;
      }
    }
  }
  const bool zoom = event->button() == Qt::LeftButton && AnyShown();
  const bool scroll = event->button() == Qt::RightButton;
  if (!(zoom || scroll) || !InPlot(layout.plot, pos)) return;
  drag_ = zoom ? Drag::Zoom : Drag::Scroll;
  dragStart_ = dragPoint_ = pos;
  dragPlot_ = layout.plot;
  dragBottom_ = layout.bottom.range;
  dragLeft_ = layout.left.range;
  if (zoom) update();
}

void TChart::Shift(Axis& axis, const TChartRange& from, long double by) {
  const TChartRange to{static_cast<double>(from.Minimum + by),
                       static_cast<double>(from.Maximum + by)};
  if (!Usable(to)) return;
  axis.fixed = true;
  axis.range = to;
  MarkForRedraw();
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (drag_ == Drag::Zoom) {
    dragPoint_ = ClampToPlot(dragPlot_, pos);
    update();
  } else if (drag_ == Drag::Scroll) {
    const int dx = pos.x() - dragPoint_.x();
    const int dy = pos.y() - dragPoint_.y();
    dragPoint_ = pos;
    // The data follows the pointer: dragging right shows smaller periods, dragging down larger
    // accelerations. Only an axis that actually moves becomes fixed.
    if (dx != 0) {
      const TChartRange from = BottomAxisRange();
      Shift(bottom_, from, -dx * Width(from) / dragPlot_.width());
    }
    if (dy != 0) {
      const TChartRange from = LeftAxisRange();
      Shift(left_, from, dy * Width(from) / dragPlot_.height());
    }
  }
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ == Drag::Scroll && event->button() == Qt::RightButton) {
    drag_ = Drag::None;
    return;
  }
  if (drag_ != Drag::Zoom || event->button() != Qt::LeftButton) return;
  drag_ = Drag::None;
  update();
  const QPoint end = ClampToPlot(dragPlot_, event->position().toPoint());
  const int dx = end.x() - dragStart_.x();
  const int dy = end.y() - dragStart_.y();
  if (std::abs(dx) <= kZoomThreshold || std::abs(dy) <= kZoomThreshold) return;
  if (dx < 0) {
    bottom_.fixed = false;
    left_.fixed = false;
    return;
  }
  const QRect& plot = dragPlot_;
  auto xValue = [&](int x) {
    return static_cast<double>(dragBottom_.Minimum +
                               Width(dragBottom_) * (x - plot.x()) / plot.width());
  };
  auto yValue = [&](int y) {
    return static_cast<double>(dragLeft_.Minimum +
                               Width(dragLeft_) * (plot.y() + plot.height() - y) / plot.height());
  };
  const TChartRange x{xValue(dragStart_.x()), xValue(end.x())};
  const TChartRange y{yValue(std::max(dragStart_.y(), end.y())),
                      yValue(std::min(dragStart_.y(), end.y()))};
  // Past the resolution of a double a rectangle no longer spans two values; keep the view.
  if (!Usable(x) || !Usable(y)) return;
  bottom_ = {true, x};
  left_ = {true, y};
}

void TChart::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (!hasFocus() || delta == 0) {
    event->ignore();
    return;
  }
  // 120 units make one notch; away from the user (positive) moves towards larger values.
  const TChartRange from = LeftAxisRange();
  Shift(left_, from, Width(from) * kWheelStep * delta / 120);
  event->accept();
}
