// The texts of the three result grids: how they are labelled and filled. Shared by the window,
// which writes them into its grids cell by cell, and by the command line, which prints them.
#pragma once

#include <string>

#include "engine/ParameterSet.h"
#include "report/GridCaptions.h"
#include "text/DecimalFormats.h"

namespace gb {

inline constexpr int kGridColumns = 6;  // header column + five site classes
inline constexpr int kGridRows = 5;     // header row + four levels

enum class ResultGrid { Pga, Period, Platform };

// The caption above the grid in the window (UTF-8).
inline const char* ResultGridCaption(ResultGrid grid) {
  return kGridCaptions[static_cast<int>(grid)];
}

// A grid's cell texts addressed [column, row] like the window's grids.
struct GridTexts {
  std::string cells[kGridColumns][kGridRows];
  std::string& Cells(int col, int row) { return cells[col][row]; }
  const std::string& Cells(int col, int row) const { return cells[col][row]; }
};

// Writes the site-class labels into the header row, then the level labels into the header
// column, through setCell(col, row, text). The corner cell is never written.
template <class SetCell>
void LabelResultGrid(SetCell&& setCell) {
  for (int s = 0; s < kSiteClassCount; ++s) setCell(s + 1, 0, std::string(kSiteClassLabels[s]));
  for (int l = 0; l < kLevelCount; ++l) setCell(0, l + 1, std::string(kLevelLabels[l]));
}

// The value data cell [s + 1, l + 1] shows: a stored double, or the platform product in
// extended precision.
Extended ResultCellValue(ResultGrid grid, const ParameterSet& p, int level, int siteClass);

// The text of data cell [s + 1, l + 1]. The platform product is formatted in extended
// precision, never rounded to a double first.
std::string ResultCellText(ResultGrid grid, const ParameterSet& p, int level, int siteClass);

// Writes all twenty data cells of one grid, row by row, through setCell(col, row, text).
template <class SetCell>
void FillResultGrid(ResultGrid grid, const ParameterSet& p, SetCell&& setCell) {
  for (int l = 0; l < kLevelCount; ++l) {
    for (int s = 0; s < kSiteClassCount; ++s) setCell(s + 1, l + 1, ResultCellText(grid, p, l, s));
  }
}

// Convenience for callers without a grid of their own: a labelled, filled grid.
GridTexts MakeResultGrid(ResultGrid grid, const ParameterSet& p);

}  // namespace gb
