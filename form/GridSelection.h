// A string grid's current cell and selected range as the keyboard and mouse move them, for a
// front end whose grid is drawn by the program itself. Header rows and columns never become
// current; the range is the rectangle between the anchor and the current cell.
#pragma once

namespace gb {

struct GridCell {
  int Col = 0, Row = 0;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

enum class GridKey { Left, Right, Up, Down, Home, End, PageUp, PageDown, CtrlHome, CtrlEnd };

class TGridSelection {
 public:
  TGridSelection(int colCount, int rowCount, int fixedCols = 1, int fixedRows = 1);

  GridCell Current() const { return current_; }
  GridCell Anchor() const { return anchor_; }
  bool IsSelected(int col, int row) const;

  // A press on a cell: a data cell becomes current (and the range's anchor unless `extend`);
  // a press on a header cell changes nothing. False when nothing changed.
  bool Press(GridCell cell, bool extend);
  // The pointer dragged to a cell with the button held: the range follows, clamped to data
  // cells.
  bool DragTo(GridCell cell);
  // A key moves the current cell among the data cells; with Shift the anchor stays. A page is
  // `pageRows` rows. False when nothing changed.
  bool Key(GridKey key, bool shift, int pageRows);

 private:
  GridCell Clamped(GridCell cell) const;
  bool MoveTo(GridCell cell, bool extend);

  int colCount_, rowCount_, fixedCols_, fixedRows_;
  GridCell current_, anchor_;
};

}  // namespace gb
