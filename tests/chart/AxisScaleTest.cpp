#include "chart/AxisScale.h"

#include <gtest/gtest.h>

#include "chart/PlotMapping.h"
#include "text/NumberSeparators.h"

namespace gb {
namespace {

// Every character 6 pixels wide, lines 13 pixels high: a toolkit's fonts stand-in.
class FixedMeasure : public TextMeasure {
 public:
  int Width(std::string_view utf8) const override { return 6 * static_cast<int>(utf8.size()); }
  int LineHeight() const override { return 13; }
};

TEST(AxisScale, TicksAreTheDecimalMultiples) {
  EXPECT_EQ(TickValues({0, 6}, 1, 0), (std::vector<double>{0, 1, 2, 3, 4, 5, 6}));
  // Each the double nearest the decimal: 0.15, not 0.15000000000000002.
  EXPECT_EQ(TickValues({0, 0.31}, 5, -2),
            (std::vector<double>{0, 0.05, 0.1, 0.15, 0.2, 0.25, 0.3}));
  EXPECT_EQ(TickValues({-1e-300, 1e-300}, 1, -400), std::vector<double>{});  // too fine to count
}

TEST(AxisScale, FinestStepWhoseLabelsFit) {
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
  const FixedMeasure measure;
  const struct {
    ChartRange range;
    int length;
    bool horizontal;
    std::vector<std::string> labels;
  } kCases[] = {
      {{0, 6},
       400,
       true,
       {"0", "0.5", "1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5", "5.5", "6"}},
      {{0, 6}, 60, true, {"0", "2", "4", "6"}},
      {{0, 0.4}, 80, false, {"0", "0.1", "0.2", "0.3", "0.4"}},
      {{0, 5000}, 200, true, {"0", "1,000", "2,000", "3,000", "4,000", "5,000"}},
  };
  for (const auto& c : kCases) {
    const AxisScale scale = MakeAxisScale(c.range, 7, c.length, measure, c.horizontal);
    EXPECT_EQ(scale.labels, c.labels) << c.length;
    EXPECT_EQ(scale.ticks.size(), scale.labels.size());
  }
}

TEST(AxisScale, LabelledNeedsTwoDistinctTexts) {
  EXPECT_TRUE(Labelled({{0, 1}, {0, 1}, {"0", "1"}}));
  EXPECT_FALSE(Labelled({{0, 1}, {0.5}, {"0.5"}}));
  EXPECT_FALSE(Labelled({{0, 1}, {0.1, 0.100000001, 0.2}, {"0.1", "0.1", "0.2"}}));
}

TEST(ChartRange, SpansAndWidening) {
  EXPECT_EQ(SpanOf(0, 0, true), (ChartRange{0, 1}));
  EXPECT_EQ(SpanOf(2, 5, false), (ChartRange{2, 5}));
  EXPECT_EQ(SpanOf(0, 0, false), (ChartRange{-1, 1}));     // flat at zero
  EXPECT_EQ(SpanOf(16, 16, false), (ChartRange{15, 17}));  // flat: a sixteenth either way
  EXPECT_EQ(Widen({4, 6}, {0, 100}), (ChartRange{3.75, 6.25}));
  EXPECT_EQ(Widen({0, 90}, {0, 100}), (ChartRange{0, 100}));  // would reach the limit
  EXPECT_FALSE(Usable({1, 1}));
  EXPECT_TRUE(Width({-1e308, 1e308}) == Extended(1e308) * 2);  // no overflow
}

TEST(PlotMapping, ClipsSegmentsToTheBox) {
  const ClipBox box{Extended(0.0), Extended(0.0), Extended(10.0), Extended(10.0)};
  const struct {
    double ax, ay, bx, by;
    bool inside;
    double cax, cay, cbx, cby;
  } kCases[] = {
      {1, 1, 9, 9, true, 1, 1, 9, 9},
      {-5, 5, 15, 5, true, 0, 5, 10, 5},
      {-5, -5, -1, -1, false, 0, 0, 0, 0},
      {5, 5, 5, 1e30, true, 5, 5, 5, 10},  // a far point keeps its direction
  };
  for (const auto& c : kCases) {
    Extended ax(c.ax), ay(c.ay), bx(c.bx), by(c.by);
    bool startMoved = false, endMoved = false;
    ASSERT_EQ(ClipSegment(ax, ay, bx, by, box, startMoved, endMoved), c.inside);
    if (!c.inside) continue;
    EXPECT_TRUE(ax == Extended(c.cax));
    EXPECT_TRUE(ay == Extended(c.cay));
    EXPECT_TRUE(bx == Extended(c.cbx));
    EXPECT_TRUE(by == Extended(c.cby));
  }
  const Mapper map({10, 20, 100, 50}, {0, 10}, {0, 5});
  EXPECT_TRUE(map.X(5) == Extended(60.0));
  EXPECT_TRUE(map.Y(5) == Extended(20.0));
}

}  // namespace
}  // namespace gb
