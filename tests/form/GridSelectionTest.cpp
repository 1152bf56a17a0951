#include "form/GridSelection.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

// The result grids: 6 columns and 5 rows, the first of each fixed.
TGridSelection ResultGrid() { return TGridSelection(6, 5); }

TEST(GridSelection, StartsAtTheFirstDataCellAlone) {
  const TGridSelection s = ResultGrid();
  EXPECT_EQ(s.Current(), (GridCell{1, 1}));
  EXPECT_TRUE(s.IsSelected(1, 1));
  EXPECT_FALSE(s.IsSelected(2, 1));
  EXPECT_FALSE(s.IsSelected(0, 0));
}

struct KeyCase {
  GridCell from;
  GridKey key;
  GridCell to;
};

TEST(GridSelection, KeysMoveAmongDataCellsOnly) {
  const KeyCase cases[] = {
      {{1, 1}, GridKey::Left, {1, 1}},     {{1, 1}, GridKey::Up, {1, 1}},
      {{5, 4}, GridKey::Right, {5, 4}},    {{5, 4}, GridKey::Down, {5, 4}},
      {{3, 2}, GridKey::Home, {1, 2}},     {{3, 2}, GridKey::End, {5, 2}},
      {{3, 1}, GridKey::PageDown, {3, 4}}, {{3, 4}, GridKey::PageUp, {3, 1}},
      {{3, 3}, GridKey::CtrlHome, {1, 1}}, {{2, 2}, GridKey::CtrlEnd, {5, 4}},
      {{2, 2}, GridKey::Right, {3, 2}},    {{2, 2}, GridKey::Down, {2, 3}},
  };
  for (const KeyCase& c : cases) {
    TGridSelection s = ResultGrid();
    s.Press(c.from, false);
    s.Key(c.key, false, 4);
    EXPECT_EQ(s.Current(), c.to) << static_cast<int>(c.key);
    EXPECT_EQ(s.Anchor(), c.to) << "without Shift the range is the current cell alone";
  }
}

TEST(GridSelection, ShiftAndDragExtendTheRangeFromItsAnchor) {
  TGridSelection s = ResultGrid();
  s.Press({2, 2}, false);
  EXPECT_TRUE(s.Key(GridKey::Right, true, 4));
  EXPECT_TRUE(s.Key(GridKey::Down, true, 4));
  EXPECT_EQ(s.Anchor(), (GridCell{2, 2}));
  EXPECT_TRUE(s.IsSelected(3, 3) && s.IsSelected(2, 3) && s.IsSelected(3, 2));
  EXPECT_FALSE(s.IsSelected(4, 3));
  // A drag beyond the grid stops at its last data cells, never on a header.
  EXPECT_TRUE(s.DragTo({-3, 0}));
  EXPECT_EQ(s.Current(), (GridCell{1, 1}));
  EXPECT_TRUE(s.IsSelected(1, 1) && s.IsSelected(2, 2));
  // Shift and a click extend too; a plain click starts over.
  EXPECT_TRUE(s.Press({5, 4}, true));
  EXPECT_EQ(s.Anchor(), (GridCell{2, 2}));
  EXPECT_TRUE(s.Press({4, 3}, false));
  EXPECT_EQ(s.Anchor(), (GridCell{4, 3}));
}

TEST(GridSelection, HeaderCellsNeverBecomeCurrent) {
  TGridSelection s = ResultGrid();
  s.Press({3, 3}, false);
  for (const GridCell header : {GridCell{0, 0}, GridCell{0, 2}, GridCell{4, 0}, GridCell{6, 1}}) {
    EXPECT_FALSE(s.Press(header, false));
    EXPECT_EQ(s.Current(), (GridCell{3, 3}));
  }
  EXPECT_FALSE(s.Press({3, 3}, false)) << "nothing changed, nothing to repaint";
}

}  // namespace
}  // namespace gb
