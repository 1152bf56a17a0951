#include "report/SpreadsheetText.h"

#include <set>

namespace gb {

namespace {

void AppendRow(std::string& text, const std::vector<const std::string*>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) text.push_back('\t');
    text.append(*cells[i]);
  }
  text.push_back('\n');
}

}  // namespace

std::string GridSelectionText(const GridTexts& grid,
                              const std::vector<std::pair<int, int>>& selectedCells) {
  std::set<std::pair<int, int>> cells;
  std::set<int> cols, rows;
  for (const auto& [col, row] : selectedCells) {
    if (col < 1 || col >= kGridColumns || row < 1 || row >= kGridRows) continue;
    cells.insert({col, row});
    cols.insert(col);
    rows.insert(row);
  }
  if (cells.empty()) return {};
  static const std::string kEmpty;
  std::string text;
  std::vector<const std::string*> line{&grid.Cells(0, 0)};
  for (const int col : cols) line.push_back(&grid.Cells(col, 0));
  AppendRow(text, line);
  for (const int row : rows) {
    line.assign({&grid.Cells(0, row)});
    for (const int col : cols) {
      line.push_back(cells.contains({col, row}) ? &grid.Cells(col, row) : &kEmpty);
    }
    AppendRow(text, line);
  }
  return text;
}

std::string AllResultsText(const std::vector<ReportInputLine>& inputs,
                           const std::vector<CaptionedGrid>& grids) {
  std::string text = "输入参数\n";
  for (const ReportInputLine& input : inputs) text += input.caption + '\t' + input.value + '\n';
  for (const CaptionedGrid& g : grids) {
    text += '\n' + g.caption + '\n';
    for (int row = 0; row < kGridRows; ++row) {
      std::vector<const std::string*> line;
      for (int col = 0; col < kGridColumns; ++col) line.push_back(&g.grid.Cells(col, row));
      AppendRow(text, line);
    }
  }
  return text;
}

}  // namespace gb
