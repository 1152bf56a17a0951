// Which input column holds which input, and the names of the result columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/ResultGridTexts.h"

namespace gb {

// The eight inputs of a row, in the order the calculation reads them.
enum BatchInput : int {
  biPga,
  biZone,
  biK1,
  biK2,
  biK3,
  biRareTgIncrement,
  biVeryRareTgIncrement,
  biBetaMax,
  kBatchInputCount
};

// The header name of each input: "pga", "zone", "k1", ..., "beta_max".
extern const char* const kBatchInputNames[kBatchInputCount];

// A header name as it is compared: blanks and tabs around it dropped, ASCII letters in lower
// case, '-' as '_'.
std::string NormalColumnName(std::string_view name);

// Position of each input's column in the header, -1 where the header has none. "period" (a
// structure's period, s) and "site" (its site class) are optional and ask for Sa at that period.
struct BatchColumns {
  int input[kBatchInputCount];
  int period = -1;
  int site = -1;
};

// Finds the inputs' columns by name, in time linear in the header's length. Throws EBatchHeader
// when "pga" or "zone" is missing (naming the columns found) or two columns share a name
// (compared as NormalColumnName), which would make a row ambiguous.
BatchColumns MapBatchColumns(const std::vector<std::string>& header);

// The cell of a row at `column`, empty where the header has no such column (-1) or the row
// stops short of it.
inline std::string_view CellOrEmpty(const std::vector<std::string>& cells, int column) {
  return column >= 0 && static_cast<std::size_t>(column) < cells.size()
             ? std::string_view(cells[static_cast<std::size_t>(column)])
             : std::string_view();
}

// "<grid>_<level>_<class>": grid pga, tg or platform; level frequent, basic, rare, very_rare;
// class I0 to IV.
std::string ResultColumnName(ResultGrid grid, int level, int siteClass);

// "sa_<level>": Sa of a level at the row's period.
std::string SaColumnName(int level);

// The JSON names of the grids and levels used in that name.
const char* ResultGridKey(ResultGrid grid);
const char* LevelKey(int level);

inline constexpr ResultGrid kResultGrids[] = {ResultGrid::Pga, ResultGrid::Period,
                                              ResultGrid::Platform};

}  // namespace gb
