// A string grid in the manner of the classic toolkit grid: a table of text cells addressed
// [column, row], whose first row and column are fixed header cells drawn as part of the table.
// Qt's own header sections are not used, so header texts are ordinary cells: Cells(0, r) and
// Cells(c, 0) exist and are read back like any other.
#pragma once

#include <QString>
#include <QTableView>
#include <vector>

namespace gb {

class TStringGridModel;

class TStringGrid : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kDefaultColCount = 5;
  static constexpr int kDefaultRowCount = 5;
  static constexpr int kDefaultColWidth = 64;
  static constexpr int kDefaultRowHeight = 24;
  static constexpr int kGridLineWidth = 1;

  explicit TStringGrid(QWidget* parent = nullptr);
  ~TStringGrid() override;

  // One cell's text, read and written like a property: grid.Cells(1, 0) = "I0".
  class CellRef {
   public:
    CellRef& operator=(const QString& text);
    operator QString() const;  // NOLINT(google-explicit-constructor): reads like the property

   private:
    friend class TStringGrid;
    CellRef(TStringGrid& grid, int col, int row) : grid_(grid), col_(col), row_(row) {}
    TStringGrid& grid_;
    int col_;
    int row_;
  };
  CellRef Cells(int col, int row) { return CellRef(*this, col, row); }
  QString Cells(int col, int row) const;

  int ColCount() const;
  void SetColCount(int count);  // new columns get the default width
  int RowCount() const;
  int FixedCols() const { return 1; }
  int FixedRows() const { return 1; }

  // Widths and heights without the grid line that follows each column and row.
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int RowHeights(int row) const;

  // The current cell.
  int Col() const;
  int Row() const;
  void SetCurrentCell(int col, int row);

  // The selected data cells as a small tab-separated table headed by their captions, as Ctrl+C
  // puts it on the clipboard.
  QString SelectionText() const;

 protected:
  // Typing selects nothing: a key is not a search for a cell starting with it.
  void keyboardSearch(const QString& search) override;
  // Ctrl+C copies the selection with its captions, not only the current cell's text.
  void keyPressEvent(QKeyEvent* event) override;
  // The current cell looks different with and without the focus.
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void SetCellText(int col, int row, const QString& text);

  TStringGridModel* model_;
};

}  // namespace gb
