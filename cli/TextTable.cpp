#include "cli/TextTable.h"

#include <algorithm>

#include "cli/DisplayWidth.h"

namespace gb {

namespace {

constexpr int kColumnGap = 2;

void Pad(std::string& line, int count) { line.append(static_cast<std::size_t>(count), ' '); }

}  // namespace

std::string FormatTextTable(std::string_view caption,
                            const std::vector<std::vector<std::string>>& rows) {
  std::vector<int> widths;
  for (const std::vector<std::string>& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (std::size_t col = 0; col < row.size(); ++col) {
      widths[col] = std::max(widths[col], DisplayWidth(row[col]));
    }
  }
  std::string table(caption);
  table.push_back('\n');
  for (const std::vector<std::string>& row : rows) {
    std::string line;
    for (std::size_t col = 0; col < widths.size(); ++col) {
      const std::string_view cell = col < row.size() ? std::string_view(row[col]) : "";
      const int fill = widths[col] - DisplayWidth(cell);
      if (col == 0) {
        line.append(cell);
        Pad(line, fill);
      } else {
        Pad(line, kColumnGap + fill);
        line.append(cell);
      }
    }
    // A left-aligned first column alone, or empty cells at the end, leave blanks behind.
    line.erase(line.find_last_not_of(' ') + 1);
    table.append(line).push_back('\n');
  }
  return table;
}

}  // namespace gb
