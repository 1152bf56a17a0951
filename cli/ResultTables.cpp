#include "cli/ResultTables.h"

#include <vector>

#include "cli/TextTable.h"

namespace gb {

namespace {

struct TableOfGrid {
  const char* caption;
  ResultGrid grid;
};

constexpr TableOfGrid kTables[] = {
    {"地震动峰值加速度 (g)", ResultGrid::Pga},
    {"地震动加速度反应谱特征周期 (s)", ResultGrid::Period},
    {"地震动加速度反应谱平台值 (g)", ResultGrid::Platform},
};

}  // namespace

std::string FormatResultTable(const char* caption, const GridTexts& grid) {
  std::vector<std::vector<std::string>> rows(kGridRows);
  for (int row = 0; row < kGridRows; ++row) {
    for (int col = 0; col < kGridColumns; ++col) rows[row].push_back(grid.Cells(col, row));
  }
  return FormatTextTable(caption, rows);
}

std::string FormatResultTables(const ParameterSet& p) {
  std::string text;
  for (const TableOfGrid& table : kTables) {
    if (!text.empty()) text += "\n";
    text += FormatResultTable(table.caption, MakeResultGrid(table.grid, p));
  }
  return text;
}

}  // namespace gb
