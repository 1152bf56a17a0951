#include "ui/qt/chart/TChart.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

QRect ToQRect(const gb::ChartRect& r) { return {r.x, r.y, r.width, r.height}; }

gb::ChartPoint ToChartPoint(const QPointF& p) {
  const QPoint q = p.toPoint();
  return {q.x(), q.y()};
}

gb::ChartButton ButtonOf(Qt::MouseButton button) {
  return button == Qt::LeftButton    ? gb::ChartButton::Left
         : button == Qt::RightButton ? gb::ChartButton::Right
                                     : gb::ChartButton::Other;
}

}  // namespace

QColor TChartSeries::Color() const {
  const gb::ChartColour c = series_.Colour();
  return QColor(c.r, c.g, c.b, c.a);
}

TChart::TChart(QWidget* parent) : QWidget(parent), view_(plot_, *this) {
  plot_.SetChangeHandler([this] { MarkForRedraw(); });
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);  // the read-out follows the pointer without a button held
}

TChart::~TChart() { plot_.SetChangeHandler({}); }

const gb::ChartFonts& TChart::Fonts() const {
  const int dpi = logicalDpiY();
  if (!fonts_ || fontsDpi_ != dpi) {
    fonts_ = std::make_unique<gb::QtChartFonts>(*this, dpi);
    fontsDpi_ = dpi;
  }
  return *fonts_;
}

TChartSeries* TChart::AddSeries(const QString& title, const QColor& color) {
  return AddSeries(title.toStdString(), gb::ChartColour{static_cast<std::uint8_t>(color.red()),
                                                        static_cast<std::uint8_t>(color.green()),
                                                        static_cast<std::uint8_t>(color.blue()),
                                                        static_cast<std::uint8_t>(color.alpha())});
}

TChartSeries* TChart::AddSeries(const std::string& titleUtf8, gb::ChartColour colour) {
  series_.push_back(std::make_unique<TChartSeries>(*plot_.AddSeries(titleUtf8, colour)));
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

QStringList TChart::Labels(const gb::ChartAxisScale& scale) {
  QStringList labels;
  for (const std::string& label : scale.labels) labels.append(QString::fromStdString(label));
  return labels;
}

QRect TChart::PlotArea() const { return ToQRect(view_.Layout().plot); }
QRect TChart::LegendRect() const { return ToQRect(view_.Layout().legend); }

QRect TChart::LegendRowRect(int index) const {
  if (index < 0 || index >= SeriesCount()) return {};
  return ToQRect(view_.Layout().legendRows[static_cast<std::size_t>(index)]);
}

void TChart::MarkForRedraw() {
  // A re-plot appends hundreds of points inside one handler; one queued update covers them all
  // and is painted after the handler has returned to the event loop.
  if (redrawPending_) return;
  redrawPending_ = true;
  update();
}

void TChart::Respond(const gb::ChartResponse& response, const QPoint& globalPos) {
  if (response.repaint) update();
  if (response.contextMenu) emit ContextMenuRequested(globalPos);
}

void TChart::paintEvent(QPaintEvent* /*event*/) {
  redrawPending_ = false;
  QPainter p(this);
  gb::DisplayList list;
  view_.Paint(list);
  gb::PaintDisplayList(p, list, static_cast<const gb::QtChartFonts&>(Fonts()));
}

void TChart::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const gb::ChartButtons held{(event->buttons() & Qt::LeftButton) != 0,
                              (event->buttons() & Qt::RightButton) != 0};
  Respond(view_.Press(ButtonOf(event->button()), ToChartPoint(event->position()), held),
          event->globalPosition().toPoint());
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
  Respond(view_.Move(ToChartPoint(event->position())), event->globalPosition().toPoint());
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
  Respond(view_.Release(ButtonOf(event->button()), ToChartPoint(event->position())),
          event->globalPosition().toPoint());
}

void TChart::wheelEvent(QWheelEvent* event) {
  const gb::ChartResponse response = view_.Wheel(event->angleDelta().y(), hasFocus());
  event->setAccepted(response.accepted);
  Respond(response, {});
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
  Respond(view_.Leave(), {});
  QWidget::leaveEvent(event);
}

void TChart::SetReader(TChartReader reader) {
  view_.SetReader(std::move(reader));
  update();
}

QStringList TChart::ReadoutLines() const {
  QStringList lines;
  if (const std::optional<gb::ChartReadout> readout = view_.Readout()) {
    for (const gb::ChartReadoutLine& line : readout->lines) {
      lines.append(QString::fromStdString(line.Text()));
    }
  }
  return lines;
}

int TChart::ReadoutMarkerX() const {
  const std::optional<gb::ChartReadout> readout = view_.Readout();
  return readout ? readout->markerX : -1;
}

QRect TChart::ReadoutBox() const {
  const std::optional<gb::ChartRect> box = view_.ReadoutBox();
  return box ? ToQRect(*box) : QRect();
}
