// Results as tab-separated text with their captions, which a spreadsheet pastes as a table.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "report/ReportLines.h"
#include "report/ResultGridTexts.h"

namespace gb {

// The selected cells of one grid, each given as (column, row). The table has the selection's
// columns and rows in grid order, headed by their site-class and level captions; a cell inside
// that table which is not selected stays empty. Header cells among the given ones are ignored.
// Every line ends with "\n"; nothing selected gives "".
std::string GridSelectionText(const GridTexts& grid,
                              const std::vector<std::pair<int, int>>& selectedCells);

// One result grid with its caption above it.
struct CaptionedGrid {
  std::string caption;
  GridTexts grid;
};

// The inputs (caption, tab, text) and then every grid, each block after a blank line; the
// grids' rows are their six cells as they stand, the empty corner included.
std::string AllResultsText(const std::vector<ReportInputLine>& inputs,
                           const std::vector<CaptionedGrid>& grids);

}  // namespace gb
