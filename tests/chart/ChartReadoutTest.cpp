// Where the read-out box goes, for legends anywhere.
#include <gtest/gtest.h>

#include "chart/ChartReadout.h"

namespace gb {
namespace {

struct CornerCase {
  const char* name;
  ChartRect legend;
  int markerX;
  ChartPoint topLeft;
};

// Plot (50, 10, 350 x 180), box 100 x 50, inset 4.
const ChartRect kTopRight(300, 20, 90, 60), kBottomRight(300, 120, 90, 60);
// A legend down to the bottom: the right corners slide to its left, the far one first.
const ChartRect kTall(300, 20, 90, 140);

class Corners : public testing::TestWithParam<CornerCase> {};

TEST_P(Corners, BoxGoesToTheExpectedPlace) {
  const CornerCase& c = GetParam();
  const ChartRect box =
      PlaceReadoutBox(ChartRect(50, 10, 350, 180), c.legend, {100, 50}, c.markerX);
  EXPECT_EQ(box, ChartRect(c.topLeft, {100, 50})) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Legends, Corners,
    testing::Values(CornerCase{"legend top right, pointer left", kTopRight, 100, {296, 136}},
                    CornerCase{"legend bottom right, pointer left", kBottomRight, 100, {296, 14}},
                    CornerCase{"legend bottom right, pointer right", kBottomRight, 300, {54, 14}},
                    CornerCase{"tall legend, pointer left", kTall, 100, {196, 136}},
                    CornerCase{"tall legend, pointer under the slid box", kTall, 220, {54, 14}},
                    // Just left of the top left corner: that corner would sit right beside it.
                    CornerCase{"tall legend, pointer at the left edge", kTall, 52, {196, 136}}));

TEST(ReadoutBox, EveryCornerTouchingTheLegendTakesTheFarthest) {
  const ChartRect legend(60, 0, 60, 30);  // touches all four boxes of 100 x 70
  EXPECT_EQ(PlaceReadoutBox({0, 0, 120, 80}, legend, {100, 70}, 100).TopLeft(), (ChartPoint{4, 6}));
}

}  // namespace
}  // namespace gb
