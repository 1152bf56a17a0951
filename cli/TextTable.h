// A caption and rows of texts as a plain-text table for a terminal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gb {

// The caption on its own line, then one line per row: the first column left-aligned, the others
// right-aligned, two blanks apart, aligned by display width; no trailing blanks. Rows may be of
// different lengths; a missing cell is an empty one.
std::string FormatTextTable(std::string_view caption,
                            const std::vector<std::vector<std::string>>& rows);

}  // namespace gb
