// The spectrum chart view: a ChartPlot (series, ranges, labels, drawing) on a widget, with the
// legend's check boxes and the mouse zoom / scroll rules of the window. The drawing itself is
// the plot's, shared with the exported images and the calculation sheet.
#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "export/ChartPlot.h"
#include "export/ChartReadout.h"

using TChartRange = gb::ChartRange;
using TChartSeries = gb::ChartSeries;

// What the read-out shows at a period: the period's text and one value text per series, in
// series order. No reading (nullopt) where the data has no value at that period.
struct TChartReading {
  QString period;
  QStringList values;
};
// Called while painting: it must not throw (an exception is taken as no reading).
using TChartReader = std::function<std::optional<TChartReading>(double period)>;

class TChart : public QWidget {
  Q_OBJECT

 public:
  explicit TChart(QWidget* parent = nullptr);
  ~TChart() override;

  // Adds a shown, empty series at the end; its legend row goes below the existing ones.
  TChartSeries* AddSeries(const QString& title, const QColor& color);
  // nullptr outside 0 .. SeriesCount() - 1.
  TChartSeries* Series(int index) { return plot_.Series(index); }
  const TChartSeries* Series(int index) const { return plot_.Series(index); }
  int SeriesCount() const { return plot_.SeriesCount(); }

  // What is drawn, for exports that must show the same view.
  const gb::ChartPlot& Plot() const { return plot_; }

  // The view as the next paint draws it, computed from the current data, size and separators.
  TChartRange BottomAxisRange() const { return plot_.BottomAxisRange(); }
  TChartRange LeftAxisRange() const { return plot_.LeftAxisRange(); }
  // True while a zoom or scroll holds the axis; false while it follows the data.
  bool BottomAxisFixed() const { return plot_.BottomAxisFixed(); }
  bool LeftAxisFixed() const { return plot_.LeftAxisFixed(); }
  std::vector<double> BottomAxisTicks() const { return Layout().bottom.ticks; }
  std::vector<double> LeftAxisTicks() const { return Layout().left.ticks; }
  QStringList BottomAxisLabels() const { return Labels(Layout().bottom); }
  QStringList LeftAxisLabels() const { return Labels(Layout().left); }
  // The rectangle framed by the axes; values map linearly onto its full width and height.
  QRect PlotArea() const { return Layout().plot; }
  // The clickable row of series `index` in the legend; empty outside the series range.
  QRect LegendRowRect(int index) const;
  QRect LegendRect() const { return Layout().legend; }
  bool ZoomRectangleShown() const { return drag_ == Drag::Zoom; }

  // The read-out: while the pointer is over the plot area and no drag is in progress, a marker
  // at the pointer's period and a box with "T = <period> s" and one line per shown series,
  // computed by the reader at that period under the current view.
  void SetReader(TChartReader reader);
  bool ReadoutShown() const { return Readout().has_value(); }
  // The box's lines as texts, the period line first; empty while no read-out is shown.
  QStringList ReadoutLines() const;
  int ReadoutMarkerX() const;  // -1 while no read-out is shown
  QRect ReadoutBox() const;    // empty while no read-out is shown

  QSize sizeHint() const override { return {448, 198}; }

  // Left-drag spans up to this many pixels in either direction neither zoom nor restore.
  static constexpr int kZoomThreshold = 16;
  // Share of the left axis width one wheel notch moves it.
  static constexpr double kWheelStep = 0.03;

 signals:
  // A right click that scrolled nothing, or the keyboard's context-menu key; global position.
  void ContextMenuRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  enum class Drag { None, Zoom, Scroll };

  gb::ChartLayout Layout() const;
  void MarkForRedraw();
  void Shift(bool bottomAxis, const TChartRange& from, long double by);
  static QStringList Labels(const gb::ChartAxisScale& scale) {
    QStringList labels;
    for (const std::string& label : scale.labels) labels.append(QString::fromStdString(label));
    return labels;
  }
  // Where the pointer rests for the read-out; nothing outside the plot area.
  void Hover(std::optional<QPoint> pos);
  std::optional<gb::ChartReadout> Readout() const;
  std::optional<gb::ChartReadout> ReadoutIn(const gb::ChartLayout& layout) const;

  gb::ChartPlot plot_;
  bool redrawPending_ = false;

  // Drag state; the plot rectangle and ranges are those at the press, so the pixel-to-value
  // scale stays put while labels (and with them the left margin) change under a scroll.
  Drag drag_ = Drag::None;
  bool scrolled_ = false;
  QPoint dragStart_;
  QPoint dragPoint_;
  QRect dragPlot_;
  TChartRange dragBottom_;
  TChartRange dragLeft_;

  TChartReader reader_;
  std::optional<QPoint> hover_;  // the pointer over the plot area, outside any drag
};
