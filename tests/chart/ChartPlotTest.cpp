// What the chart lists for a painter: curves cut at the plot's edges and broken at gaps, labels
// that never overlap, the legend with and without its check boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FixedFonts.h"
#include "chart/ResponseChart.h"
#include "tests/support/DesignedParameters.h"

namespace gb {
namespace {

template <typename Command>
std::vector<Command> All(const DisplayList& list) {
  std::vector<Command> found;
  for (const ChartCommand& c : list) {
    if (const auto* command = std::get_if<Command>(&c)) found.push_back(*command);
  }
  return found;
}

class ChartPlotTest : public testing::Test {
 protected:
  DisplayList Drawn() const {
    DisplayList list;
    plot_.Draw(list, surface_.size, surface_);
    return list;
  }
  test::FixedSurface surface_;
  ChartPlot plot_;
};

TEST_F(ChartPlotTest, CurvesStayInsideThePlotAndBreakAtGaps) {
  ChartSeries& s = *plot_.AddSeries("s", {0, 0, 255});
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const auto& [x, y] : {std::pair{0.0, 0.0}, {1, 5}, {2, -3}, {3, nan}, {4, 1}, {5, 2}})
    s.AddXY(x, y);
  EXPECT_EQ(plot_.LeftAxisRange(), (ChartRange{-3, 5}));  // the gap counts for nothing
  auto curves = [&] {
    std::vector<PolylineCommand> runs;
    for (const PolylineCommand& run : All<PolylineCommand>(Drawn()))
      if (run.pen.colour == ChartColour{0, 0, 255}) runs.push_back(run);
    return runs;
  };
  EXPECT_EQ(curves().size(), 2u);

  plot_.FixBottomAxis({0.5, 4.5});
  plot_.FixLeftAxis({-1, 1.5});
  const ChartRect plot = plot_.Layout(surface_.size, surface_).plot;
  const std::vector<PolylineCommand> runs = curves();
  ASSERT_FALSE(runs.empty());
  for (const PolylineCommand& run : runs) {
    EXPECT_TRUE(run.pen.hairline);
    for (const ChartPointF& p : run.points) {
      EXPECT_GE(p.x, plot.x - 1e-9);
      EXPECT_LE(p.x, plot.x + plot.width + 1e-9);
      EXPECT_GE(p.y, plot.y - 1e-9);
      EXPECT_LE(p.y, plot.y + plot.height + 1e-9);
    }
  }
}

TEST_F(ChartPlotTest, BottomLabelsNeverOverlapNorLeaveTheChart) {
  ChartSeries& s = *plot_.AddSeries("s", {});
  s.AddXY(123456.789, 0);
  s.AddXY(123456.7891, 1);
  for (const int width : {120, 200, 448, 900}) {
    surface_.size = {width, 198};
    int previousRight = std::numeric_limits<int>::min();
    const ChartRect plot = plot_.Layout(surface_.size, surface_).plot;
    for (const TextCommand& text : All<TextCommand>(Drawn())) {
      if (text.rect.y <= plot.y + plot.height || text.utf8 == "T (s)") continue;
      EXPECT_GE(text.rect.x, previousRight + kAxisPad) << width << " " << text.utf8;
      EXPECT_LE(text.rect.x + text.rect.width, width) << text.utf8;
      previousRight = text.rect.x + text.rect.width;
    }
  }
}

TEST_F(ChartPlotTest, CheckBoxesAndTicksOnlyInTheWindowsLegend) {
  AddSpectrumSeries(plot_);
  PlotSpectrumSeries(plot_, test::DesignedParameterSet(), scII);
  plot_.Toggle(lvRare);
  auto boxes = [&] {
    int filled = 0;
    for (const RectCommand& r : All<RectCommand>(Drawn())) filled += r.filled;
    return filled;
  };
  auto ticks = [&] {
    int n = 0;
    for (const PolylineCommand& p : All<PolylineCommand>(Drawn())) n += p.points.size() == 3;
    return n;
  };
  EXPECT_EQ(boxes(), 4);
  EXPECT_EQ(ticks(), 3);  // every shown curve
  const int windowWidth = plot_.Layout(surface_.size, surface_).legend.width;
  plot_.SetPlainLegend(true);
  EXPECT_EQ(boxes(), 0);
  EXPECT_EQ(ticks(), 0);
  EXPECT_EQ(plot_.Layout(surface_.size, surface_).legend.width, windowWidth - 11 - kAxisPad);
}

}  // namespace
}  // namespace gb
