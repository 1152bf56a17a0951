#include "cli/ResultTables.h"

#include <algorithm>

#include "cli/DisplayWidth.h"

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

constexpr int kColumnGap = 2;

int ColumnWidth(const GridTexts& grid, int col) {
  int width = 0;
  for (int row = 0; row < kGridRows; ++row) {
    width = std::max(width, DisplayWidth(grid.Cells(col, row)));
  }
  return width;
}

void Pad(std::string& line, int count) { line.append(static_cast<std::size_t>(count), ' '); }

}  // namespace

std::string FormatResultTable(const char* caption, const GridTexts& grid) {
  int widths[kGridColumns];
  for (int col = 0; col < kGridColumns; ++col) widths[col] = ColumnWidth(grid, col);
  std::string table = std::string(caption) + "\n";
  for (int row = 0; row < kGridRows; ++row) {
    const std::string& label = grid.Cells(0, row);
    std::string line = label;
    Pad(line, widths[0] - DisplayWidth(label));
    for (int col = 1; col < kGridColumns; ++col) {
      const std::string& cell = grid.Cells(col, row);
      Pad(line, kColumnGap + widths[col] - DisplayWidth(cell));
      line += cell;
    }
    table += line + "\n";
  }
  return table;
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
