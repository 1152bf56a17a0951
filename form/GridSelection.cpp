#include "form/GridSelection.h"

#include <algorithm>

namespace gb {

TGridSelection::TGridSelection(int colCount, int rowCount, int fixedCols, int fixedRows)
    : colCount_(colCount),
      rowCount_(rowCount),
      fixedCols_(fixedCols),
      fixedRows_(fixedRows),
      current_{fixedCols, fixedRows},
      anchor_{fixedCols, fixedRows} {}

bool TGridSelection::IsSelected(int col, int row) const {
  return col >= std::min(anchor_.Col, current_.Col) && col <= std::max(anchor_.Col, current_.Col) &&
         row >= std::min(anchor_.Row, current_.Row) && row <= std::max(anchor_.Row, current_.Row);
}

GridCell TGridSelection::Clamped(GridCell cell) const {
  return {std::clamp(cell.Col, fixedCols_, colCount_ - 1),
          std::clamp(cell.Row, fixedRows_, rowCount_ - 1)};
}

bool TGridSelection::MoveTo(GridCell cell, bool extend) {
  const GridCell target = Clamped(cell);
  const GridCell anchor = extend ? anchor_ : target;
  if (target == current_ && anchor == anchor_) return false;
  current_ = target;
  anchor_ = anchor;
  return true;
}

bool TGridSelection::Press(GridCell cell, bool extend) {
  if (cell.Col < fixedCols_ || cell.Row < fixedRows_ || cell.Col >= colCount_ ||
      cell.Row >= rowCount_) {
    return false;
  }
  return MoveTo(cell, extend);
}

bool TGridSelection::DragTo(GridCell cell) { return MoveTo(cell, true); }

bool TGridSelection::Key(GridKey key, bool shift, int pageRows) {
  GridCell to = current_;
  const int page = std::max(1, pageRows);
  switch (key) {
    case GridKey::Left:
      --to.Col;
      break;
    case GridKey::Right:
      ++to.Col;
      break;
    case GridKey::Up:
      --to.Row;
      break;
    case GridKey::Down:
      ++to.Row;
      break;
    case GridKey::Home:
      to.Col = fixedCols_;
      break;
    case GridKey::End:
      to.Col = colCount_ - 1;
      break;
    case GridKey::PageUp:
      to.Row -= page;
      break;
    case GridKey::PageDown:
      to.Row += page;
      break;
    case GridKey::CtrlHome:
      to = {fixedCols_, fixedRows_};
      break;
    case GridKey::CtrlEnd:
      to = {colCount_ - 1, rowCount_ - 1};
      break;
  }
  return MoveTo(to, shift);
}

}  // namespace gb
