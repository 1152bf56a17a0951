#include "ui/qt/StringGrid.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "report/SpreadsheetText.h"

namespace gb {

// Texts only; the grid stores no numbers.
class TStringGridModel : public QAbstractTableModel {
 public:
  TStringGridModel(int colCount, int rowCount, QObject* parent)
      : QAbstractTableModel(parent),
        colCount_(colCount),
        cells_(static_cast<std::size_t>(rowCount), std::vector<QString>(colCount)) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(cells_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : colCount_;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Text(index.column(), index.row());
  }

  // Header cells are neither selectable nor enabled, so neither the mouse nor the cursor keys
  // can make one current; data cells are selectable but never editable.
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!index.isValid() || IsFixed(index)) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  }

  static bool IsFixed(const QModelIndex& index) { return index.row() < 1 || index.column() < 1; }

  const QString& Text(int col, int row) const {
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
  }

  void SetText(int col, int row, const QString& text) {
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = text;
    const QModelIndex cell = index(row, col);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
  }

  void SetColCount(int count) {
    if (count == colCount_) return;
    if (count > colCount_) {
      beginInsertColumns({}, colCount_, count - 1);
      Resize(count);
      endInsertColumns();
    } else {
      beginRemoveColumns({}, count, colCount_ - 1);
      Resize(count);
      endRemoveColumns();
    }
  }

 private:
  void Resize(int count) {
    colCount_ = count;
    for (auto& row : cells_) row.resize(static_cast<std::size_t>(count));
  }

  int colCount_;
  std::vector<std::vector<QString>> cells_;
};

namespace {

constexpr int kTextIndent = 2;  // pixels from the cell's left and top edges
const QColor kHeaderTop(255, 255, 255);
const QColor kHeaderBottom(214, 214, 214);

QColor Tint(const QColor& color, double towardsWhite) {
  const auto mix = [towardsWhite](int c) { return c + static_cast<int>((255 - c) * towardsWhite); };
  return QColor(mix(color.red()), mix(color.green()), mix(color.blue()));
}

// The gradient look: header cells shade from white down to light grey, data cells sit on the
// window colour, selected cells get a framed gradient in tints of the selection colour, and while
// the grid has the focus its current cell shows a dotted frame instead of the selection.
class TGradientCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QRect cell = option.rect;
    // Header cells are disabled items only so that they cannot become current; they are drawn
    // in the colours of enabled ones.
    QPalette palette = option.palette;
    palette.setCurrentColorGroup(option.state.testFlag(QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive);
    const bool focused = option.state.testFlag(QStyle::State_HasFocus);
    const bool selected = option.state.testFlag(QStyle::State_Selected) && !focused;
    painter->save();
    painter->setClipRect(cell);
    if (TStringGridModel::IsFixed(index)) {
      QLinearGradient shade(cell.topLeft(), cell.bottomLeft());
      shade.setColorAt(0, kHeaderTop);
      shade.setColorAt(1, kHeaderBottom);
      painter->fillRect(cell, shade);
    } else if (selected) {
      const QColor highlight = palette.color(QPalette::Highlight);
      QLinearGradient shade(cell.topLeft(), cell.bottomLeft());
      // Light enough to read as a tint, dark enough for the selection text on top of it.
      shade.setColorAt(0, Tint(highlight, 0.3));
      shade.setColorAt(1, Tint(highlight, 0.1));
      painter->fillRect(cell, shade);
      painter->setPen(highlight);
      painter->drawRect(cell.adjusted(0, 0, -1, -1));
    } else {
      painter->fillRect(cell, palette.color(QPalette::Base));
    }
    painter->setFont(option.font);
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::WindowText));
    painter->drawText(cell.adjusted(kTextIndent, kTextIndent, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (focused) {
      QPen dotted(palette.color(QPalette::WindowText), 1, Qt::DotLine);
      painter->setPen(dotted);
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(cell.adjusted(1, 1, -2, -2));
    }
    painter->restore();
  }
};

}  // namespace

TStringGrid::CellRef& TStringGrid::CellRef::operator=(const QString& text) {
  grid_.SetCellText(col_, row_, text);
  return *this;
}

TStringGrid::CellRef::operator QString() const { return std::as_const(grid_).Cells(col_, row_); }

TStringGrid::TStringGrid(QWidget* parent)
    : QTableView(parent), model_(new TStringGridModel(kDefaultColCount, kDefaultRowCount, this)) {
  setModel(model_);
  setItemDelegate(new TGradientCellDelegate(this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsMovable(false);
  }
  horizontalHeader()->setDefaultSectionSize(kDefaultColWidth + kGridLineWidth);
  verticalHeader()->setDefaultSectionSize(kDefaultRowHeight + kGridLineWidth);
  setShowGrid(true);
  setGridStyle(Qt::SolidLine);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setTabKeyNavigation(false);  // Tab leaves the grid for the next control
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setCornerButtonEnabled(false);
  SetCurrentCell(1, 1);
}

TStringGrid::~TStringGrid() = default;

QString TStringGrid::Cells(int col, int row) const { return model_->Text(col, row); }

void TStringGrid::SetCellText(int col, int row, const QString& text) {
  model_->SetText(col, row, text);
}

int TStringGrid::ColCount() const { return model_->columnCount(); }

void TStringGrid::SetColCount(int count) {
  const int current = Col();
  const int currentRow = Row();
  model_->SetColCount(count);
  // Columns that are new get the default width; a removed current column moves the cursor.
  if (current >= count) SetCurrentCell(std::max(1, count - 1), currentRow);
}

int TStringGrid::RowCount() const { return model_->rowCount(); }

int TStringGrid::ColWidths(int col) const { return columnWidth(col) - kGridLineWidth; }

void TStringGrid::SetColWidths(int col, int width) { setColumnWidth(col, width + kGridLineWidth); }

int TStringGrid::RowHeights(int row) const { return rowHeight(row) - kGridLineWidth; }

int TStringGrid::Col() const { return currentIndex().column(); }

int TStringGrid::Row() const { return currentIndex().row(); }

void TStringGrid::SetCurrentCell(int col, int row) {
  selectionModel()->setCurrentIndex(model_->index(row, col), QItemSelectionModel::ClearAndSelect);
}

void TStringGrid::keyboardSearch(const QString&) {}

QString TStringGrid::SelectionText() const {
  GridTexts texts;
  for (int row = 0; row < std::min(RowCount(), kGridRows); ++row) {
    for (int col = 0; col < std::min(ColCount(), kGridColumns); ++col) {
      texts.Cells(col, row) = Cells(col, row).toStdString();
    }
  }
  std::vector<std::pair<int, int>> cells;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
    cells.emplace_back(index.column(), index.row());
  }
  return QString::fromStdString(GridSelectionText(texts, cells));
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    const QString text = SelectionText();
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  viewport()->update();
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  viewport()->update();
}

}  // namespace gb
