// The three result grids as plain-text tables for a terminal.
#pragma once

#include <string>

#include "report/ResultGridTexts.h"

namespace gb {

// One table: the caption, then the grid's five rows; the level column left-aligned, the site
// class columns right-aligned, two blanks apart, aligned by display width. No trailing blanks.
std::string FormatResultTable(const char* caption, const GridTexts& grid);

// The PGA, period and platform tables of `p`, one blank line between them.
std::string FormatResultTables(const ParameterSet& p);

}  // namespace gb
