// The chart as the user handles it: legend clicks, the zoom rectangle of a left drag, scrolling
// with the right button and the wheel, the context menu of a right click that moved nothing, and
// the read-out under a resting pointer. A window feeds it pointer events in chart pixels and
// draws what Paint lists; it decides nothing itself.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartPlot.h"
#include "chart/ChartReadout.h"

namespace gb {

// Where the chart is shown: its size now and the fonts it is drawn with there.
class ChartSurface {
 public:
  virtual ~ChartSurface() = default;
  virtual ChartSize Size() const = 0;
  virtual const ChartFonts& Fonts() const = 0;
};

enum class ChartButton { Left, Right, Other };

// The buttons held down as an event arrives.
struct ChartButtons {
  bool left = false;
  bool right = false;
};

// What the read-out shows at a period: the period's text and one value text per series, in
// series order (UTF-8). No reading (nullopt) where the data has no value at that period.
struct ChartReading {
  std::string period;
  std::vector<std::string> values;
};
// Called while painting: it must not throw (an exception is taken as no reading).
using ChartReader = std::function<std::optional<ChartReading>(double period)>;

// What an event asks of the window besides the redraw the plot's change handler schedules.
struct ChartResponse {
  bool repaint = false;      // the zoom rectangle or the read-out changed
  bool contextMenu = false;  // open the chart's menu at the event's place
  bool accepted = true;      // false: the event is not the chart's (a wheel without focus)
};

class ChartView {
 public:
  ChartView(ChartPlot& plot, const ChartSurface& surface) : plot_(plot), surface_(surface) {}

  // Left-drag spans up to this many pixels in either direction neither zoom nor restore.
  static constexpr int kZoomThreshold = 16;
  // Share of the left axis width one wheel notch moves it.
  static constexpr double kWheelStep = 0.03;
  // Wheel units of one notch.
  static constexpr int kWheelNotch = 120;

  ChartResponse Press(ChartButton button, ChartPoint pos, ChartButtons held);
  ChartResponse Move(ChartPoint pos);
  ChartResponse Release(ChartButton button, ChartPoint pos);
  // `angleDelta` away from the user is positive; only a focused chart takes the wheel.
  ChartResponse Wheel(int angleDelta, bool focused);
  // The pointer left the chart.
  ChartResponse Leave();
  // Two fingers on a touch screen spread apart (`factor` > 1) or pinched together about
  // `centre`: both axes zoom by `factor` about the values under it (the plot's centre when it is
  // off the plot). In, as far as a zoom rectangle may go; out, until the view holds all the
  // data, where the chart follows the data again.
  ChartResponse Pinch(ChartPoint centre, double factor);

  void SetReader(ChartReader reader) { reader_ = std::move(reader); }
  bool HasReader() const { return static_cast<bool>(reader_); }

  ChartLayout Layout() const { return plot_.Layout(surface_.Size(), surface_.Fonts()); }
  bool ZoomRectangleShown() const { return drag_ == Drag::Zoom; }
  // The read-out as the next paint shows it; nullopt while none is shown.
  std::optional<ChartReadout> Readout() const { return ReadoutIn(Layout()); }
  std::optional<ChartRect> ReadoutBox() const;

  // The chart, the read-out and the zoom rectangle as the window shows them now.
  void Paint(DisplayList& list) const;

 private:
  enum class Drag { None, Zoom, Scroll };

  void Shift(bool bottomAxis, const ChartRange& from, Extended by);
  ChartResponse Hover(std::optional<ChartPoint> pos);
  ChartResponse FinishZoom(ChartPoint pos);
  std::optional<ChartReadout> ReadoutIn(const ChartLayout& layout) const;

  ChartPlot& plot_;
  const ChartSurface& surface_;

  // Drag state; the plot rectangle and ranges are those at the press, so the pixel-to-value
  // scale stays put while labels (and with them the left margin) change under a scroll.
  Drag drag_ = Drag::None;
  bool scrolled_ = false;
  ChartPoint dragStart_;
  ChartPoint dragPoint_;
  ChartRect dragPlot_;
  ChartRange dragBottom_;
  ChartRange dragLeft_;

  ChartReader reader_;
  std::optional<ChartPoint> hover_;  // the pointer over the plot area, outside any drag
};

}  // namespace gb
