// A string grid drawn by the program: texts addressed as Cells(col, row), a fixed header row and
// column filled with a gradient, read-only cells, a current cell and a selected range moved by
// the mouse and the keys (TGridSelection), grid lines and a sunken frame.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "form/GridSelection.h"

namespace gb {

class TApplication;

class TStringGrid {
 public:
  static constexpr int kDefaultColWidth = 64;
  static constexpr int kDefaultRowHeight = 24;

  TStringGrid(TApplication& application, HWND parent, const wchar_t* name);
  ~TStringGrid();
  TStringGrid(const TStringGrid&) = delete;
  TStringGrid& operator=(const TStringGrid&) = delete;

  HWND Handle() const { return handle_; }
  // UTF-8 texts; a change shows at the next Invalidate.
  std::string& Cells(int col, int row) { return cells_[Index(col, row)]; }
  const std::string& Cells(int col, int row) const { return cells_[Index(col, row)]; }
  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  void SetColCount(int count);
  void SetColWidths(int col, int width);
  void Invalidate();
  const TGridSelection& Selection() const { return selection_; }
  // The selected range's texts, tab-separated rows, for the clipboard.
  std::string SelectedText() const;

 private:
  template <class Control>
  friend LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  std::size_t Index(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(colCount_) +
           static_cast<std::size_t>(col);
  }
  RECT CellRect(int col, int row) const;
  GridCell CellAt(int x, int y) const;
  void Paint(HDC dc, const RECT& client) const;
  void PaintCell(HDC dc, int col, int row) const;
  void KeyDown(WPARAM key);
  void CopySelection() const;

  TApplication& application_;
  HWND handle_ = nullptr;
  HFONT font_ = nullptr;
  int colCount_ = 5, rowCount_ = 5;
  std::vector<int> colWidths_;
  std::vector<std::string> cells_;
  TGridSelection selection_;
  bool focused_ = false;
};

}  // namespace gb
