// The spectrum chart: line series over a bottom and a left value axis, drawn by our own painting
// code so that ranges, tick values and label texts are exactly ours (labels go through the
// program's number format, ranges are the bare data extent), with a legend of check boxes and
// the mouse zoom / scroll rules of the window.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

class TChart;

// A value range of one axis; Minimum < Maximum always holds for what the chart hands out.
struct TChartRange {
  double Minimum = 0;
  double Maximum = 1;
  friend bool operator==(const TChartRange&, const TChartRange&) = default;
};

// One curve: its points in append order, drawn as a polyline in the series colour. Owned by its
// chart; pointers stay valid for the chart's lifetime.
class TChartSeries {
 public:
  TChartSeries(const TChartSeries&) = delete;
  TChartSeries& operator=(const TChartSeries&) = delete;

  // Removes every point; title, colour and shown flag stay. The chart redraws once, later.
  void Clear();
  // Appends (x, y) as the last point, whatever its x. Non-finite coordinates are stored but never
  // drawn nor counted in the automatic ranges. The chart redraws once, later.
  void AddXY(double x, double y);

  int Count() const { return static_cast<int>(points_.size()); }
  double XValue(int i) const { return points_[static_cast<std::size_t>(i)].x; }
  double YValue(int i) const { return points_[static_cast<std::size_t>(i)].y; }
  // The shown flag: changed only by a click on the series' legend row.
  bool Active() const { return active_; }
  const QString& Title() const { return title_; }
  const QColor& Color() const { return color_; }

 private:
  friend class TChart;
  TChartSeries(TChart& chart, const QString& title, const QColor& color);

  struct Point {
    double x;
    double y;
  };
  // Bounding box of the finite points, kept up to date on append so that the automatic ranges
  // never have to walk the points.
  struct Extent {
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool empty = true;
    void Add(double x, double y);
    void Add(const Extent& other);
  };

  TChart& chart_;
  QString title_;
  QColor color_;
  std::vector<Point> points_;
  Extent extent_;
  bool active_ = true;
};

class TChart : public QWidget {
  Q_OBJECT

 public:
  explicit TChart(QWidget* parent = nullptr);
  ~TChart() override;

  // Adds a shown, empty series at the end; its legend row goes below the existing ones.
  TChartSeries* AddSeries(const QString& title, const QColor& color);
  // nullptr outside 0 .. SeriesCount() - 1.
  TChartSeries* Series(int index);
  const TChartSeries* Series(int index) const;
  int SeriesCount() const { return static_cast<int>(series_.size()); }

  // The view as the next paint draws it, computed from the current data, size and separators.
  TChartRange BottomAxisRange() const;
  TChartRange LeftAxisRange() const;
  // True while a zoom or scroll holds the axis; false while it follows the data.
  bool BottomAxisFixed() const { return bottom_.fixed; }
  bool LeftAxisFixed() const { return left_.fixed; }
  std::vector<double> BottomAxisTicks() const;
  std::vector<double> LeftAxisTicks() const;
  QStringList BottomAxisLabels() const;
  QStringList LeftAxisLabels() const;
  // The rectangle framed by the axes; values map linearly onto its full width and height.
  QRect PlotArea() const;
  // The clickable row of series `index` in the legend; empty outside the series range.
  QRect LegendRowRect(int index) const;
  QRect LegendRect() const;
  bool ZoomRectangleShown() const { return drag_ == Drag::Zoom; }

  QSize sizeHint() const override { return {448, 198}; }

  // Left-drag spans up to this many pixels in either direction neither zoom nor restore.
  static constexpr int kZoomThreshold = 16;
  // Share of the left axis width one wheel notch moves it.
  static constexpr double kWheelStep = 0.03;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  friend class TChartSeries;
  struct Axis {
    bool fixed = false;
    TChartRange range;  // meaningful only while fixed
  };
  struct Layout;
  enum class Drag { None, Zoom, Scroll };

  void MarkForRedraw();
  bool AnyShown() const;
  void AutomaticRanges(TChartRange& bottom, TChartRange& left) const;
  Layout ComputeLayout() const;
  void Shift(Axis& axis, const TChartRange& from, long double by);

  std::vector<std::unique_ptr<TChartSeries>> series_;
  Axis bottom_;
  Axis left_;
  QFont font_;
  QFont legendFont_;
  bool redrawPending_ = false;

  // Drag state; the plot rectangle and ranges are those at the press, so the pixel-to-value
  // scale stays put while labels (and with them the left margin) change under a scroll.
  Drag drag_ = Drag::None;
  QPoint dragStart_;
  QPoint dragPoint_;
  QRect dragPlot_;
  TChartRange dragBottom_;
  TChartRange dragLeft_;
};
