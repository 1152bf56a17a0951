// The spectrum chart view: the charting engine's plot and mouse rules on a widget. Events go to
// the engine in chart pixels; what it lists is painted with QPainter.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "chart/ChartPlot.h"
#include "chart/ChartView.h"
#include "export/ChartPainter.h"

using TChartRange = gb::ChartRange;
using TChartReading = gb::ChartReading;
using TChartReader = gb::ChartReader;

// One curve of the chart, with its title and colour in Qt's types.
class TChartSeries {
 public:
  explicit TChartSeries(gb::ChartSeries& series) : series_(series) {}
  void Clear() { series_.Clear(); }
  void AddXY(double x, double y) { series_.AddXY(x, y); }
  int Count() const { return series_.Count(); }
  double XValue(int i) const { return series_.XValue(i); }
  double YValue(int i) const { return series_.YValue(i); }
  bool Active() const { return series_.Active(); }
  QString Title() const { return QString::fromStdString(series_.Title()); }
  QColor Color() const;

 private:
  gb::ChartSeries& series_;
};

class TChart : public QWidget, private gb::ChartSurface {
  Q_OBJECT

 public:
  explicit TChart(QWidget* parent = nullptr);
  ~TChart() override;

  // Adds a shown, empty series at the end; its legend row goes below the existing ones.
  TChartSeries* AddSeries(const QString& title, const QColor& color);
  TChartSeries* AddSeries(const std::string& titleUtf8, gb::ChartColour colour);
  // nullptr outside 0 .. SeriesCount() - 1.
  TChartSeries* Series(int index);
  const TChartSeries* Series(int index) const;
  int SeriesCount() const { return plot_.SeriesCount(); }

  // What is drawn, for exports that must show the same view.
  const gb::ChartPlot& Plot() const { return plot_; }

  // The view as the next paint draws it, computed from the current data, size and separators.
  TChartRange BottomAxisRange() const { return plot_.BottomAxisRange(); }
  TChartRange LeftAxisRange() const { return plot_.LeftAxisRange(); }
  // True while a zoom or scroll holds the axis; false while it follows the data.
  bool BottomAxisFixed() const { return plot_.BottomAxisFixed(); }
  bool LeftAxisFixed() const { return plot_.LeftAxisFixed(); }
  std::vector<double> BottomAxisTicks() const { return view_.Layout().bottom.ticks; }
  std::vector<double> LeftAxisTicks() const { return view_.Layout().left.ticks; }
  QStringList BottomAxisLabels() const { return Labels(view_.Layout().bottom); }
  QStringList LeftAxisLabels() const { return Labels(view_.Layout().left); }
  // The rectangle framed by the axes; values map linearly onto its full width and height.
  QRect PlotArea() const;
  // The clickable row of series `index` in the legend; empty outside the series range.
  QRect LegendRowRect(int index) const;
  QRect LegendRect() const;
  bool ZoomRectangleShown() const { return view_.ZoomRectangleShown(); }

  // The read-out: while the pointer is over the plot area and no drag is in progress, a marker
  // at the pointer's period and a box with "T = <period> s" and one line per shown series,
  // computed by the reader at that period under the current view.
  void SetReader(TChartReader reader);
  bool ReadoutShown() const { return view_.Readout().has_value(); }
  // The box's lines as texts, the period line first; empty while no read-out is shown.
  QStringList ReadoutLines() const;
  int ReadoutMarkerX() const;  // -1 while no read-out is shown
  QRect ReadoutBox() const;    // empty while no read-out is shown

  QSize sizeHint() const override { return {448, 198}; }

  static constexpr int kZoomThreshold = gb::ChartView::kZoomThreshold;
  static constexpr double kWheelStep = gb::ChartView::kWheelStep;

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
  gb::ChartSize Size() const override { return gb::ToChartSize(size()); }
  const gb::ChartFonts& Fonts() const override;
  void MarkForRedraw();
  void Respond(const gb::ChartResponse& response, const QPoint& globalPos);
  static QStringList Labels(const gb::ChartAxisScale& scale);

  gb::ChartPlot plot_;
  gb::ChartView view_;
  std::vector<std::unique_ptr<TChartSeries>> series_;
  bool redrawPending_ = false;
  // The faces measured at the resolution they were made for; made again when it changes.
  mutable std::unique_ptr<gb::QtChartFonts> fonts_;
  mutable int fontsDpi_ = 0;
};
