// The chart's mouse rules and hit tests without a window: legend clicks, zoom and its limit,
// scroll, wheel, the context menu and the read-out, fed as a window feeds them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "FixedFonts.h"
#include "chart/ResponseChart.h"
#include "engine/DesignResponse.h"
#include "report/SaReadout.h"
#include "tests/support/DesignedParameters.h"

namespace gb {
namespace {

constexpr ChartButtons kLeftHeld{true, false};
constexpr ChartButtons kRightHeld{false, true};

class ChartViewTest : public testing::Test {
 protected:
  void SetUp() override {
    AddSpectrumSeries(plot_);
    PlotSpectrumSeries(plot_, parameters_, scII);
    startBottom_ = plot_.BottomAxisRange();
    startLeft_ = plot_.LeftAxisRange();
  }

  ChartRect Plot() const { return view_.Layout().plot; }
  ChartPoint Centre() const { return Plot().Center(); }
  ChartPoint At(ChartPoint p, int dx, int dy) const { return {p.x + dx, p.y + dy}; }

  ChartResponse Drag(ChartButton button, ChartPoint from, ChartPoint to) {
    view_.Press(button, from, button == ChartButton::Left ? kLeftHeld : kRightHeld);
    view_.Move({(from.x + to.x) / 2, (from.y + to.y) / 2});
    view_.Move(to);
    return view_.Release(button, to);
  }
  bool Unchanged() const {
    return plot_.BottomAxisRange() == startBottom_ && plot_.LeftAxisRange() == startLeft_;
  }

  const ParameterSet parameters_ = test::DesignedParameterSet();
  test::FixedSurface surface_;
  ChartPlot plot_;
  ChartView view_{plot_, surface_};
  ChartRange startBottom_, startLeft_;
};

TEST_F(ChartViewTest, LegendRowsToggleTheirCurveAnywhereOnTheRow) {
  const ChartLayout layout = view_.Layout();
  ASSERT_EQ(layout.legendRows.size(), 4u);
  EXPECT_TRUE(layout.plot.Contains(layout.legend));
  EXPECT_EQ(layout.legend.y, 20);  // a tenth of 198
  const ChartRect row = layout.legendRows[lvBasic];
  for (const int x : {row.Left(), row.Left() + 30, row.Right()}) {
    view_.Press(ChartButton::Left, {x, row.Center().y}, kLeftHeld);
    EXPECT_FALSE(plot_.Series(lvBasic)->Active()) << x;
    view_.Release(ChartButton::Left, {x, row.Center().y});
    view_.Press(ChartButton::Left, {x, row.Center().y}, kLeftHeld);
    EXPECT_TRUE(plot_.Series(lvBasic)->Active()) << x;
    EXPECT_FALSE(view_.ZoomRectangleShown());
  }
  EXPECT_EQ(layout.LegendRowAt({row.Left() - 1, row.Center().y}), -1);
  EXPECT_EQ(layout.LegendRowAt({row.Left(), row.Bottom() + 1}), lvRare);
}

struct DragCase {
  int dx, dy;
  bool counts;
};

class DragThreshold : public ChartViewTest, public testing::WithParamInterface<DragCase> {};

TEST_P(DragThreshold, MustExceedSixteenPixelsBothWays) {
  const auto [dx, dy, counts] = GetParam();
  if (dx < 0) Drag(ChartButton::Left, Centre(), At(Centre(), 50, 50));  // something to restore
  const ChartRange bottom = plot_.BottomAxisRange(), left = plot_.LeftAxisRange();
  Drag(ChartButton::Left, Centre(), At(Centre(), dx, dy));
  EXPECT_EQ(plot_.BottomAxisRange() == bottom && plot_.LeftAxisRange() == left, !counts);
}

INSTANTIATE_TEST_SUITE_P(Drags, DragThreshold,
                         testing::Values(DragCase{16, 16, false}, DragCase{17, 16, false},
                                         DragCase{16, 17, false}, DragCase{17, 17, true},
                                         DragCase{17, -17, true}, DragCase{-16, 40, false},
                                         DragCase{-17, 17, true}));

TEST_F(ChartViewTest, ZoomShowsItsRectangleUntilReleaseAndRightToLeftRestores) {
  const ChartPoint from = At(Plot().TopLeft(), 40, 20), to = At(from, 120, 60);
  EXPECT_TRUE(view_.Press(ChartButton::Left, from, kLeftHeld).repaint);
  EXPECT_TRUE(view_.ZoomRectangleShown());
  view_.Move({5000, 5000});  // held to the plot
  DisplayList list;
  view_.Paint(list);
  const auto* frame = std::get_if<RectCommand>(&list.back());
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->pen.dashed);
  EXPECT_EQ(frame->rect.Right(), Plot().x + Plot().width);
  view_.Move(to);
  view_.Release(ChartButton::Left, to);
  EXPECT_FALSE(view_.ZoomRectangleShown());
  EXPECT_TRUE(plot_.BottomAxisFixed() && plot_.LeftAxisFixed());
  const double perPixel = Width(startBottom_).ToDouble() / Plot().width;
  EXPECT_NEAR(plot_.BottomAxisRange().Minimum, 40 * perPixel, perPixel);

  Drag(ChartButton::Left, Centre(), At(Centre(), -30, -30));  // up or down: no matter
  EXPECT_FALSE(plot_.BottomAxisFixed() || plot_.LeftAxisFixed());
  EXPECT_TRUE(Unchanged());
}

TEST_F(ChartViewTest, NoZoomOutsideThePlotOrWithEveryCurveHidden) {
  const ChartPoint below{Centre().x, Plot().y + Plot().height + 10};
  Drag(ChartButton::Left, below, At(below, 80, -80));
  EXPECT_TRUE(Unchanged());
  for (int level = 0; level < kLevelCount; ++level) plot_.Toggle(level);
  view_.Press(ChartButton::Left, At(Plot().TopLeft(), 10, 10), kLeftHeld);
  EXPECT_FALSE(view_.ZoomRectangleShown());
  view_.Release(ChartButton::Left, At(Plot().TopLeft(), 10, 10));
  Drag(ChartButton::Left, At(Plot().TopLeft(), 10, 10), Centre());
  EXPECT_FALSE(plot_.BottomAxisFixed() || plot_.LeftAxisFixed());
}

TEST_F(ChartViewTest, RightButtonScrollsOrOpensTheMenu) {
  EXPECT_TRUE(Drag(ChartButton::Right, Centre(), Centre()).contextMenu);
  EXPECT_TRUE(Unchanged());

  const ChartResponse scrolled = Drag(ChartButton::Right, Centre(), At(Centre(), -40, 0));
  EXPECT_FALSE(scrolled.contextMenu);
  EXPECT_TRUE(plot_.BottomAxisFixed() && !plot_.LeftAxisFixed());
  // The data follows the pointer: dragging left brings larger periods in.
  const double perPixel = Width(startBottom_).ToDouble() / Plot().width;
  EXPECT_NEAR(plot_.BottomAxisRange().Minimum, 40 * perPixel, 1e-9);
  EXPECT_NEAR(plot_.BottomAxisRange().Maximum, 6 + 40 * perPixel, 1e-9);
}

TEST_F(ChartViewTest, AReleaseThatNeverArrivedDoesNotBlockTheNextPress) {
  view_.Press(ChartButton::Left, Centre(), kLeftHeld);
  ASSERT_TRUE(view_.ZoomRectangleShown());
  // The release went elsewhere; the next press comes with the left button no longer held.
  view_.Press(ChartButton::Right, Centre(), kRightHeld);
  EXPECT_FALSE(view_.ZoomRectangleShown());
  EXPECT_TRUE(view_.Release(ChartButton::Right, Centre()).contextMenu);
}

TEST_F(ChartViewTest, WheelMovesTheLeftAxisOnlyWithFocus) {
  EXPECT_FALSE(view_.Wheel(120, false).accepted);
  EXPECT_FALSE(view_.Wheel(0, true).accepted);
  EXPECT_FALSE(plot_.LeftAxisFixed());
  const double notch = 0.03 * Width(startLeft_).ToDouble();
  EXPECT_TRUE(view_.Wheel(120, true).accepted);
  EXPECT_NEAR(plot_.LeftAxisRange().Minimum, startLeft_.Minimum + notch, 1e-12);
  view_.Wheel(-240, true);
  EXPECT_NEAR(plot_.LeftAxisRange().Maximum, startLeft_.Maximum - notch, 1e-12);
  EXPECT_FALSE(plot_.BottomAxisFixed());
}

// A pinch keeps the values under the fingers' centre where they are and scales both spans; out,
// it stops at the whole of the data; in, where a zoom rectangle stops.
TEST_F(ChartViewTest, PinchZoomsBothAxesAboutItsCentre) {
  const ChartRect plot = Plot();
  const ChartPoint centre{plot.x + plot.width / 4, plot.y + plot.height / 2};
  const auto valueAt = [&](const ChartRange& x, const ChartRange& y) {
    return std::pair{
        x.Minimum + Width(x).ToDouble() * (centre.x - plot.x) / plot.width,
        y.Minimum + Width(y).ToDouble() * (plot.y + plot.height - centre.y) / plot.height};
  };
  const auto [x, y] = valueAt(startBottom_, startLeft_);
  view_.Pinch(centre, 2);
  ASSERT_TRUE(plot_.BottomAxisFixed() && plot_.LeftAxisFixed());
  EXPECT_NEAR(Width(plot_.BottomAxisRange()).ToDouble(), Width(startBottom_).ToDouble() / 2, 1e-12);
  EXPECT_NEAR(Width(plot_.LeftAxisRange()).ToDouble(), Width(startLeft_).ToDouble() / 2, 1e-12);
  const auto [x2, y2] = valueAt(plot_.BottomAxisRange(), plot_.LeftAxisRange());
  EXPECT_NEAR(x2, x, 1e-12);
  EXPECT_NEAR(y2, y, 1e-12);
  // Out by less than in: still fixed; then past the data's view: following the data again.
  view_.Pinch(centre, 0.8);
  EXPECT_TRUE(plot_.BottomAxisFixed());
  EXPECT_NEAR(Width(plot_.BottomAxisRange()).ToDouble(), Width(startBottom_).ToDouble() / 1.6,
              1e-12);
  view_.Pinch(centre, 0.5);
  EXPECT_TRUE(Unchanged());
  EXPECT_FALSE(plot_.BottomAxisFixed() || plot_.LeftAxisFixed());
  // In and in: the labels keep their meaning.
  for (int i = 0; i < 200; ++i) view_.Pinch(centre, 4);
  EXPECT_TRUE(Labelled(view_.Layout().bottom) && Labelled(view_.Layout().left));
  // No zoom for a factor that is not one.
  plot_.FollowData();
  for (const double factor : {1.0, 0.0, -1.0, double(NAN), double(INFINITY)}) {
    view_.Pinch(centre, factor);
  }
  EXPECT_TRUE(Unchanged());
}

// Zooming again and again into the middle stops where the labels would lose their meaning.
TEST_F(ChartViewTest, RepeatedZoomsStopWhileEveryViewIsLabelled) {
  int unchanged = 0;
  for (int zoom = 0; zoom < 80; ++zoom) {
    const ChartRange bottom = plot_.BottomAxisRange(), left = plot_.LeftAxisRange();
    const ChartRect plot = Plot();
    Drag(ChartButton::Left, At(Centre(), -plot.width / 5, -plot.height / 5),
         At(Centre(), plot.width / 5, plot.height / 5));
    const ChartLayout layout = view_.Layout();
    for (const AxisScale* axis : {&layout.bottom, &layout.left}) {
      ASSERT_GE(axis->labels.size(), 2u) << zoom;
      const std::set<std::string> distinct(axis->labels.begin(), axis->labels.end());
      ASSERT_EQ(distinct.size(), axis->labels.size()) << zoom;
    }
    unchanged += plot_.BottomAxisRange() == bottom && plot_.LeftAxisRange() == left;
  }
  EXPECT_GT(unchanged, 10);
  EXPECT_GE(Width(plot_.BottomAxisRange()).ToDouble(), 1e-7);
  EXPECT_GE(Width(plot_.LeftAxisRange()).ToDouble(), 1e-8);
}

// A zoom far below the limit in one step lands on the narrowest labelled view, never wider than
// the view it started from.
TEST_F(ChartViewTest, ZoomWidensATooNarrowViewAboutItsCentre) {
  const ChartRange x{2.0, 2.0 + 1e-12}, y{0.1, 0.1 + 1e-13};
  ASSERT_TRUE(plot_.Zoom(x, y, surface_.size, surface_));
  const ChartLayout layout = view_.Layout();
  EXPECT_TRUE(Labelled(layout.bottom) && Labelled(layout.left));
  EXPECT_NEAR(plot_.BottomAxisRange().Minimum + plot_.BottomAxisRange().Maximum, 4 + 1e-12, 1e-9);
  EXPECT_LE(Width(plot_.BottomAxisRange()).ToDouble(), Width(startBottom_).ToDouble());
  EXPECT_FALSE(plot_.Zoom({1, 1}, y, surface_.size, surface_));  // not a range
}

TEST_F(ChartViewTest, ReadoutAtTheEdgesGoneWhileDraggingAndOffThePlot) {
  view_.SetReader([this](double period) -> std::optional<ChartReading> {
    auto texts = SpectrumReadoutAt(parameters_, scII, period);
    if (!texts) return std::nullopt;
    return ChartReading{texts->period, {std::begin(texts->values), std::end(texts->values)}};
  });
  const ChartRect plot = Plot();
  EXPECT_TRUE(view_.Move({plot.x, Centre().y}).repaint);
  const std::optional<ChartReadout> left = view_.Readout();
  ASSERT_TRUE(left);
  EXPECT_EQ(left->lines.front().Text(), "T = 0.0000 s");
  EXPECT_EQ(left->lines.back().Text(), "极罕遇地震动 0.1450");
  view_.Move({plot.x + plot.width, Centre().y});
  EXPECT_EQ(view_.Readout()->lines.front().Text(), "T = 6.0000 s");
  EXPECT_EQ(view_.Readout()->markerX, plot.x + plot.width);

  plot_.Toggle(lvBasic);
  EXPECT_EQ(view_.Readout()->lines.size(), 4u);  // the period and three shown curves
  view_.Press(ChartButton::Right, Centre(), kRightHeld);
  EXPECT_FALSE(view_.Readout());
  view_.Move(At(Centre(), 5, 5));
  EXPECT_FALSE(view_.Readout());
  view_.Release(ChartButton::Right, At(Centre(), 5, 5));
  EXPECT_TRUE(view_.Readout());  // the pointer still rests on the plot
  view_.Move({plot.x - 5, Centre().y});
  EXPECT_FALSE(view_.Readout());
  view_.Move(Centre());
  EXPECT_TRUE(view_.Leave().repaint);
  EXPECT_FALSE(view_.Readout());

  view_.SetReader([](double) -> std::optional<ChartReading> { throw std::runtime_error("x"); });
  view_.Move(Centre());
  EXPECT_FALSE(view_.Readout());  // a failing reader shows nothing rather than throwing
}

TEST_F(ChartViewTest, ReadoutBoxStaysInThePlotClearOfLegendAndMarker) {
  view_.SetReader([](double) {
    return std::optional<ChartReading>({"1.0000", {"a", "b", "c", "d"}});
  });
  const ChartLayout layout = view_.Layout();
  for (int x = layout.plot.x; x <= layout.plot.x + layout.plot.width; x += 7) {
    view_.Move({x, layout.plot.Center().y});
    const std::optional<ChartRect> box = view_.ReadoutBox();
    ASSERT_TRUE(box);
    EXPECT_TRUE(layout.plot.Contains(*box)) << x;
    EXPECT_FALSE(box->Intersects(layout.legend)) << x;
    EXPECT_TRUE(x < box->Left() || x > box->Right()) << x;
  }
}

}  // namespace
}  // namespace gb
