#include "chart/ChartView.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gb {

namespace {

ChartPoint ClampToPlot(const ChartRect& plot, ChartPoint pos) {
  return {std::clamp(pos.x, plot.x, plot.x + plot.width),
          std::clamp(pos.y, plot.y, plot.y + plot.height)};
}

constexpr ChartColour kReadoutPeriod{64, 64, 64};
constexpr ChartColour kZoomFrame{0, 0, 0};

}  // namespace

ChartResponse ChartView::Press(ChartButton button, ChartPoint pos, ChartButtons held) {
  // A drag whose release never arrived (the grab went elsewhere) must not block new ones.
  if ((drag_ == Drag::Zoom && !held.left) || (drag_ == Drag::Scroll && !held.right)) {
    drag_ = Drag::None;
  }
  if (drag_ != Drag::None) return {};

  const ChartLayout layout = Layout();
  if (button == ChartButton::Left) {
    if (const int row = layout.LegendRowAt(pos); row >= 0) {
      plot_.Toggle(row);
      return {};
    }
  }
  const bool zoom = button == ChartButton::Left && plot_.AnyShown();
  const bool scroll = button == ChartButton::Right;
  if (scroll) scrolled_ = false;
  if (!(zoom || scroll) || !layout.OnPlot(pos)) return {};
  drag_ = zoom ? Drag::Zoom : Drag::Scroll;
  ChartResponse response = Hover(std::nullopt);
  dragStart_ = dragPoint_ = pos;
  dragPlot_ = layout.plot;
  dragBottom_ = layout.bottom.range;
  dragLeft_ = layout.left.range;
  response.repaint = response.repaint || zoom;
  return response;
}

void ChartView::Shift(bool bottomAxis, const ChartRange& from, Extended by) {
  const ChartRange to{(from.Minimum + by).ToDouble(), (from.Maximum + by).ToDouble()};
  if (!Usable(to)) return;
  if (bottomAxis) {
    plot_.FixBottomAxis(to);
  } else {
    plot_.FixLeftAxis(to);
  }
  scrolled_ = true;
}

ChartResponse ChartView::Move(ChartPoint pos) {
  if (drag_ == Drag::Zoom) {
    dragPoint_ = ClampToPlot(dragPlot_, pos);
    return {true};
  }
  if (drag_ != Drag::Scroll) return Hover(pos);
  const int dx = pos.x - dragPoint_.x;
  const int dy = pos.y - dragPoint_.y;
  dragPoint_ = pos;
  // The data follows the pointer: dragging right shows smaller periods, dragging down larger
  // accelerations. Only an axis that actually moves becomes fixed.
  if (dx != 0) {
    const ChartRange from = plot_.BottomAxisRange();
    Shift(true, from, -dx * Width(from) / dragPlot_.width);
  }
  if (dy != 0) {
    const ChartRange from = plot_.LeftAxisRange();
    Shift(false, from, dy * Width(from) / dragPlot_.height);
  }
  return {};
}

ChartResponse ChartView::Release(ChartButton button, ChartPoint pos) {
  if (button == ChartButton::Right && drag_ != Drag::Zoom) {
    // The right button both scrolls and opens the context menu: a click that moved nothing is
    // the menu.
    const bool menu = !scrolled_;
    drag_ = Drag::None;
    scrolled_ = false;
    if (menu) return {false, true};
    return Hover(pos);
  }
  if (drag_ != Drag::Zoom || button != ChartButton::Left) return {};
  return FinishZoom(pos);
}

ChartResponse ChartView::FinishZoom(ChartPoint pos) {
  drag_ = Drag::None;
  ChartResponse response = Hover(pos);
  response.repaint = true;
  const ChartPoint end = ClampToPlot(dragPlot_, pos);
  const int dx = end.x - dragStart_.x;
  const int dy = end.y - dragStart_.y;
  if (std::abs(dx) <= kZoomThreshold || std::abs(dy) <= kZoomThreshold) return response;
  if (dx < 0) {
    plot_.FollowData();
    return response;
  }
  const ChartRect& plot = dragPlot_;
  auto xValue = [&](int x) {
    return (dragBottom_.Minimum + Width(dragBottom_) * (x - plot.x) / plot.width).ToDouble();
  };
  auto yValue = [&](int y) {
    return (dragLeft_.Minimum + Width(dragLeft_) * (plot.y + plot.height - y) / plot.height)
        .ToDouble();
  };
  const ChartRange x{xValue(dragStart_.x), xValue(end.x)};
  const ChartRange y{yValue(std::max(dragStart_.y, end.y)), yValue(std::min(dragStart_.y, end.y))};
  // Past the resolution of a double, or so deep that labels would vanish, the zoom stops.
  plot_.Zoom(x, y, surface_.Size(), surface_.Fonts());
  return response;
}

ChartResponse ChartView::Wheel(int angleDelta, bool focused) {
  if (!focused || angleDelta == 0) return {false, false, false};
  // Away from the user (positive) moves towards larger values.
  const ChartRange from = plot_.LeftAxisRange();
  Shift(false, from, Width(from) * kWheelStep * angleDelta / kWheelNotch);
  return {};
}

ChartResponse ChartView::Leave() { return Hover(std::nullopt); }

ChartResponse ChartView::Pinch(ChartPoint centre, double factor) {
  if (!(factor > 0) || !std::isfinite(factor) || factor == 1) return {};
  const ChartLayout layout = Layout();
  const ChartRect& plot = layout.plot;
  if (plot.Empty()) return {};
  if (!layout.OnPlot(centre)) centre = plot.Center();
  const auto zoomed = [factor](const ChartRange& from, Extended share) {
    // The value under the centre stays where it is; both sides shrink or grow about it.
    const Extended width = Width(from);
    const Extended at = Extended(from.Minimum) + width * share;
    return ChartRange{(at - width * share / factor).ToDouble(),
                      (at + width * (Extended(1) - share) / factor).ToDouble()};
  };
  // Pixels to values as the zoom rectangle maps them.
  const ChartRange bottom = zoomed(layout.bottom.range, Extended(centre.x - plot.x) / plot.width);
  const ChartRange left =
      zoomed(layout.left.range, Extended(plot.y + plot.height - centre.y) / plot.height);
  if (!Usable(bottom) || !Usable(left)) return {};
  if (factor > 1) {
    // In, as far as the labels keep their meaning, as a zoom rectangle goes.
    plot_.Zoom(bottom, left, surface_.Size(), surface_.Fonts());
    return {};
  }
  // Out, no further than the whole of the data: there the chart follows the data again.
  plot_.FollowData();
  const ChartRange all[] = {plot_.BottomAxisRange(), plot_.LeftAxisRange()};
  const bool whole = bottom.Minimum <= all[0].Minimum && bottom.Maximum >= all[0].Maximum &&
                     left.Minimum <= all[1].Minimum && left.Maximum >= all[1].Maximum;
  if (!whole) {
    plot_.FixBottomAxis(bottom);
    plot_.FixLeftAxis(left);
  }
  return {};
}

ChartResponse ChartView::Hover(std::optional<ChartPoint> pos) {
  if (pos && !Layout().OnPlot(*pos)) pos.reset();
  if (pos == hover_) return {};
  // Repainted only when a read-out was or will be on screen.
  const bool repaint = hover_.has_value() || pos.has_value();
  hover_ = pos;
  return {repaint && HasReader()};
}

std::optional<ChartReadout> ChartView::ReadoutIn(const ChartLayout& layout) const {
  if (!hover_ || !reader_ || drag_ != Drag::None) return std::nullopt;
  // The size may have changed since the pointer last moved.
  if (!layout.OnPlot(*hover_)) return std::nullopt;
  const ChartRect& plot = layout.plot;
  const ChartRange& range = layout.bottom.range;
  const double period =
      (range.Minimum + Width(range) * (hover_->x - plot.x) / plot.width).ToDouble();
  std::optional<ChartReading> reading;
  try {
    reading = reader_(period);
  } catch (...) {
    return std::nullopt;  // never an exception out of a paint
  }
  if (!reading) return std::nullopt;
  ChartReadout readout;
  readout.markerX = hover_->x;
  readout.lines.push_back({"T = " + reading->period + " s", {}, kReadoutPeriod});
  for (int i = 0; i < plot_.SeriesCount(); ++i) {
    const ChartSeries& s = *plot_.Series(i);
    if (!s.Active() || i >= static_cast<int>(reading->values.size())) continue;
    readout.lines.push_back({s.Title(), reading->values[static_cast<std::size_t>(i)], s.Colour()});
  }
  return readout;
}

std::optional<ChartRect> ChartView::ReadoutBox() const {
  const ChartLayout layout = Layout();
  const std::optional<ChartReadout> readout = ReadoutIn(layout);
  if (!readout) return std::nullopt;
  return ChartReadoutBox(surface_.Fonts(), layout.plot, layout.legend, *readout);
}

void ChartView::Paint(DisplayList& list) const {
  const ChartSize size = surface_.Size();
  const ChartFonts& fonts = surface_.Fonts();
  // Laid out at every paint, so the read-out follows zoom, scroll, re-plots and the legend.
  const ChartLayout layout = plot_.Layout(size, fonts);
  plot_.Draw(list, layout, size, fonts);
  if (hover_) {
    if (const std::optional<ChartReadout> readout = ReadoutIn(layout)) {
      DrawChartReadout(list, fonts, layout.plot, layout.legend, *readout);
    }
  }
  if (drag_ == Drag::Zoom) {
    list.push_back(Outline({kZoomFrame, 1, true}, ChartRect::Spanning(dragStart_, dragPoint_)));
  }
}

}  // namespace gb
