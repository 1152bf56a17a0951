// The line chart without a window: its series, the view of its two value axes, where everything
// goes for a given size, and the display list that draws it. The window's chart view, the PNG
// and SVG images and the calculation sheet all draw that list, so what is exported is what the
// screen shows.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/AxisScale.h"
#include "chart/ChartFonts.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartRange.h"
#include "chart/DisplayList.h"

namespace gb {

class ChartPlot;

// One curve: its points in append order, drawn as a polyline in the series colour. Owned by its
// chart; pointers stay valid for the chart's lifetime.
class ChartSeries {
 public:
  ChartSeries(const ChartSeries&) = delete;
  ChartSeries& operator=(const ChartSeries&) = delete;

  // Removes every point; title, colour and shown flag stay.
  void Clear();
  // Appends (x, y) as the last point, whatever its x. Non-finite coordinates are stored but never
  // drawn nor counted in the automatic ranges.
  void AddXY(double x, double y);

  int Count() const { return static_cast<int>(points_.size()); }
  double XValue(int i) const { return points_[static_cast<std::size_t>(i)].x; }
  double YValue(int i) const { return points_[static_cast<std::size_t>(i)].y; }
  // The shown flag: changed only through the legend.
  bool Active() const { return active_; }
  const std::string& Title() const { return title_; }  // UTF-8
  const ChartColour& Colour() const { return colour_; }

 private:
  friend class ChartPlot;
  ChartSeries(ChartPlot& plot, std::string title, ChartColour colour);

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

  ChartPlot& plot_;
  std::string title_;
  ChartColour colour_;
  std::vector<Point> points_;
  Extent extent_;
  bool active_ = true;
};

// One axis as drawn: its range, the tick values inside it and their label texts (UTF-8).
using ChartAxisScale = AxisScale;

// Where everything goes at one size, in chart pixels.
struct ChartLayout {
  ChartRect plot;  // the rectangle framed by the axes; values map linearly onto it
  ChartAxisScale bottom;
  ChartAxisScale left;
  ChartRect legend;
  std::vector<ChartRect> legendRows;

  // The legend row under `pos`, or -1.
  int LegendRowAt(ChartPoint pos) const;
  // Whether `pos` is on the plot, its framing edges included.
  bool OnPlot(ChartPoint pos) const;
};

// Chart pixels are 96-dpi pixels wherever the chart is drawn; the fonts' points turn into chart
// pixels at a font resolution. The window passes its own, so text grows with the desktop's font
// scaling; images and the sheet pass kChartDpi.
inline constexpr int kChartDpi = 96;

class ChartPlot {
 public:
  ChartPlot();
  ~ChartPlot();
  ChartPlot(const ChartPlot&) = delete;
  ChartPlot& operator=(const ChartPlot&) = delete;

  // Called after every change of data, shown flags or view; the window schedules one redraw.
  void SetChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

  // Adds a shown, empty series at the end; its legend row goes below the existing ones.
  ChartSeries* AddSeries(std::string titleUtf8, ChartColour colour);
  // nullptr outside 0 .. SeriesCount() - 1.
  ChartSeries* Series(int index);
  const ChartSeries* Series(int index) const;
  int SeriesCount() const { return static_cast<int>(series_.size()); }
  bool AnyShown() const;
  // Flips the shown flag of one series, as a click on its legend row does.
  void Toggle(int index);

  // The ranges the next drawing uses: fixed ones as set, the others from the data.
  ChartRange BottomAxisRange() const;
  ChartRange LeftAxisRange() const;
  bool BottomAxisFixed() const { return bottom_.fixed; }
  bool LeftAxisFixed() const { return left_.fixed; }
  void FixBottomAxis(const ChartRange& range);
  void FixLeftAxis(const ChartRange& range);
  // Both axes follow the data again.
  void FollowData();

  // A legend of line samples and titles only, for print: no check boxes to click.
  void SetPlainLegend(bool plain) { plainLegend_ = plain; }

  // Zooms both axes to the given ranges. Where the view would become too narrow for its labels
  // at this size (fewer than two labelled values on an axis, or spans past the last decimal a
  // label shows), the ranges are widened about their centres to the narrowest view that is
  // still labelled, and never beyond the view before the zoom. Returns false when the view
  // stays as it was.
  bool Zoom(ChartRange x, ChartRange y, ChartSize size, const ChartFonts& fonts);

  ChartLayout Layout(ChartSize size, const ChartFonts& fonts) const;
  // Appends the drawing of the whole chart in the rectangle (0, 0, size).
  void Draw(DisplayList& list, ChartSize size, const ChartFonts& fonts) const;
  // The same with the layout Layout(size, fonts) already gave.
  void Draw(DisplayList& list, const ChartLayout& layout, ChartSize size,
            const ChartFonts& fonts) const;

 private:
  friend class ChartSeries;
  struct Axis {
    bool fixed = false;
    ChartRange range;  // meaningful only while fixed
  };

  void Changed();
  ChartLayout LayoutWith(ChartSize size, const ChartFonts& fonts, const ChartRange& bottom,
                         const ChartRange& left) const;
  void AutomaticRanges(ChartRange& bottom, ChartRange& left) const;
  void DrawCurves(DisplayList& list, const ChartLayout& layout) const;
  void DrawAxes(DisplayList& list, const ChartLayout& layout, ChartSize size,
                const TextMeasure& text) const;
  void DrawLegend(DisplayList& list, const ChartLayout& layout) const;

  std::vector<std::unique_ptr<ChartSeries>> series_;
  Axis bottom_;
  Axis left_;
  bool plainLegend_ = false;
  std::function<void()> changed_;
};

}  // namespace gb
