#include "ui/qt/chart/TChart.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

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

TChart::TChart(QWidget* parent) : QWidget(parent) {
  plot_.SetChangeHandler([this] { MarkForRedraw(); });
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);  // the read-out follows the pointer without a button held
}

TChart::~TChart() { plot_.SetChangeHandler({}); }

TChartSeries* TChart::AddSeries(const QString& title, const QColor& color) {
  return plot_.AddSeries(title, color);
}

gb::ChartLayout TChart::Layout() const { return plot_.Layout(size(), *this, logicalDpiY()); }

QRect TChart::LegendRowRect(int index) const {
  if (index < 0 || index >= SeriesCount()) return {};
  return Layout().legendRows[static_cast<std::size_t>(index)];
}

void TChart::MarkForRedraw() {
  // A re-plot appends hundreds of points inside one handler; one queued update covers them all
  // and is painted after the handler has returned to the event loop.
  if (redrawPending_) return;
  redrawPending_ = true;
  update();
}

void TChart::paintEvent(QPaintEvent* /*event*/) {
  redrawPending_ = false;
  QPainter p(this);
  plot_.Draw(p, size(), logicalDpiY());
  if (hover_) {
    // Recomputed at every paint, so it follows zoom, scroll, re-plots and the legend.
    const gb::ChartLayout layout = Layout();
    if (const std::optional<gb::ChartReadout> readout = ReadoutIn(layout)) {
      gb::DrawChartReadout(p, layout.plot, layout.legend, *readout);
    }
  }
  if (drag_ == Drag::Zoom) {
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawRect(QRect(dragStart_, dragPoint_).normalized());
  }
}

void TChart::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  // A drag whose release never arrived (the grab went elsewhere) must not block new ones.
  if ((drag_ == Drag::Zoom && !(event->buttons() & Qt::LeftButton)) ||
      (drag_ == Drag::Scroll && !(event->buttons() & Qt::RightButton)))
    drag_ = Drag::None;
  if (drag_ != Drag::None) return;

  const gb::ChartLayout layout = Layout();
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    for (int i = 0; i < SeriesCount(); ++i) {
      if (layout.legendRows[static_cast<std::size_t>(i)].contains(pos)) {
        plot_.Toggle(i);
        return;
      }
    }
  }
  const bool zoom = event->button() == Qt::LeftButton && plot_.AnyShown();
  const bool scroll = event->button() == Qt::RightButton;
  if (scroll) scrolled_ = false;
  if (!(zoom || scroll) || !InPlot(layout.plot, pos)) return;
  drag_ = zoom ? Drag::Zoom : Drag::Scroll;
  Hover(std::nullopt);
  dragStart_ = dragPoint_ = pos;
  dragPlot_ = layout.plot;
  dragBottom_ = layout.bottom.range;
  dragLeft_ = layout.left.range;
  if (zoom) update();
}

void TChart::Shift(bool bottomAxis, const TChartRange& from, long double by) {
  const TChartRange to{static_cast<double>(from.Minimum + by),
                       static_cast<double>(from.Maximum + by)};
  if (!(std::isfinite(to.Minimum) && std::isfinite(to.Maximum) && to.Minimum < to.Maximum)) return;
  if (bottomAxis) {
    plot_.FixBottomAxis(to);
  } else {
    plot_.FixLeftAxis(to);
  }
  scrolled_ = true;
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
      Shift(true, from, -dx * Width(from) / dragPlot_.width());
    }
    if (dy != 0) {
      const TChartRange from = LeftAxisRange();
      Shift(false, from, dy * Width(from) / dragPlot_.height());
    }
  } else {
    Hover(pos);
  }
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && drag_ != Drag::Zoom) {
    // The right button both scrolls and opens the context menu: a click that moved nothing is
    // the menu.
    const bool menu = !scrolled_;
    drag_ = Drag::None;
    scrolled_ = false;
    if (menu) {
      emit ContextMenuRequested(event->globalPosition().toPoint());
    } else {
      Hover(event->position().toPoint());
    }
    return;
  }
  if (drag_ != Drag::Zoom || event->button() != Qt::LeftButton) return;
  drag_ = Drag::None;
  Hover(event->position().toPoint());
  update();
  const QPoint end = ClampToPlot(dragPlot_, event->position().toPoint());
  const int dx = end.x() - dragStart_.x();
  const int dy = end.y() - dragStart_.y();
  if (std::abs(dx) <= kZoomThreshold || std::abs(dy) <= kZoomThreshold) return;
  if (dx < 0) {
    plot_.FollowData();
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
  // Past the resolution of a double, or so deep that labels would vanish, the zoom stops.
  plot_.Zoom(x, y, size(), *this, logicalDpiY());
}

void TChart::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (!hasFocus() || delta == 0) {
    event->ignore();
    return;
  }
  // 120 units make one notch; away from the user (positive) moves towards larger values.
  const TChartRange from = LeftAxisRange();
  Shift(false, from, Width(from) * kWheelStep * delta / 120);
  event->accept();
}

void TChart::contextMenuEvent(QContextMenuEvent* event) {
  // The mouse's menu comes with the release of a right click that did not scroll; here only
  // the keyboard's (Menu key, Shift+F10), at the middle of the chart.
  if (event->reason() == QContextMenuEvent::Keyboard) {
    emit ContextMenuRequested(mapToGlobal(rect().center()));
  }
  event->accept();
}

void TChart::leaveEvent(QEvent* event) {
  Hover(std::nullopt);
  QWidget::leaveEvent(event);
}

void TChart::SetReader(TChartReader reader) {
  reader_ = std::move(reader);
  update();
}

void TChart::Hover(std::optional<QPoint> pos) {
  if (pos && !InPlot(Layout().plot, *pos)) pos.reset();
  if (pos == hover_) return;
  // Repainted only when a read-out was or will be on screen.
  const bool repaint = hover_.has_value() || pos.has_value();
  hover_ = pos;
  if (repaint && reader_) update();
}

std::optional<gb::ChartReadout> TChart::Readout() const {
  if (!hover_ || !reader_) return std::nullopt;
  return ReadoutIn(Layout());
}

std::optional<gb::ChartReadout> TChart::ReadoutIn(const gb::ChartLayout& layout) const {
  if (!hover_ || !reader_ || drag_ != Drag::None) return std::nullopt;
  // The size may have changed since the pointer last moved.
  const QRect& plot = layout.plot;
  if (!InPlot(plot, *hover_)) return std::nullopt;
  const TChartRange& range = layout.bottom.range;
  const double period =
      static_cast<double>(range.Minimum + Width(range) * (hover_->x() - plot.x()) / plot.width());
  std::optional<TChartReading> reading;
  try {
    reading = reader_(period);
  } catch (...) {
    return std::nullopt;  // never an exception out of a paint
  }
  if (!reading) return std::nullopt;
  gb::ChartReadout readout;
  readout.markerX = hover_->x();
  readout.lines.push_back(
      {QStringLiteral("T = ") + reading->period + QStringLiteral(" s"), {}, QColor(64, 64, 64)});
  for (int i = 0; i < SeriesCount(); ++i) {
    const TChartSeries& s = *Series(i);
    if (!s.Active() || i >= reading->values.size()) continue;
    readout.lines.push_back({s.Title(), reading->values[i], s.Color()});
  }
  return readout;
}

QStringList TChart::ReadoutLines() const {
  QStringList lines;
  if (const std::optional<gb::ChartReadout> readout = Readout()) {
    for (const gb::ChartReadoutLine& line : readout->lines) lines.append(line.Text());
  }
  return lines;
}

int TChart::ReadoutMarkerX() const {
  const std::optional<gb::ChartReadout> readout = Readout();
  return readout ? readout->markerX : -1;
}

QRect TChart::ReadoutBox() const {
  const std::optional<gb::ChartReadout> readout = Readout();
  if (!readout) return {};
  const gb::ChartLayout layout = Layout();
  return gb::ChartReadoutBox(*this, layout.plot, layout.legend, *readout);
}
