#include "ui/win32/StringGrid.h"

#include <algorithm>

#include "platform/win32/WideText.h"
#include "ui/win32/Application.h"
#include "ui/win32/Clipboard.h"
#include "ui/win32/GdiDrawing.h"
#include "ui/win32/OwnWindow.h"

namespace gb {

namespace {

constexpr wchar_t kClassName[] = L"TStringGrid";
constexpr COLORREF kHeaderTop = RGB(255, 255, 255);
constexpr COLORREF kHeaderBottom = RGB(214, 214, 214);
constexpr COLORREF kGridLine = RGB(220, 220, 220);

// `colour` a share `whiteness` of the way to white.
COLORREF Tint(COLORREF colour, double whiteness) {
  const auto towards = [whiteness](int c) { return static_cast<int>(c + (255 - c) * whiteness); };
  return RGB(towards(GetRValue(colour)), towards(GetGValue(colour)), towards(GetBValue(colour)));
}

}  // namespace

TStringGrid::TStringGrid(TApplication& application, HWND parent, const wchar_t* name)
    : application_(application),
      colWidths_(static_cast<std::size_t>(colCount_), kDefaultColWidth),
      cells_(static_cast<std::size_t>(colCount_ * rowCount_)),
      selection_(colCount_, rowCount_) {
  RegisterOwnClass(application.Instance(), kClassName, DefWindowProcW, CS_DBLCLKS);
  handle_ = CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, name,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 10, 10,
                            parent, nullptr, application.Instance(), nullptr);
  AttachOwnControl(handle_, this);
  font_ = application.FormFont();
}

TStringGrid::~TStringGrid() {
  if (IsWindow(handle_)) SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
}

void TStringGrid::SetColCount(int count) {
  std::vector<std::string> cells(static_cast<std::size_t>(count * rowCount_));
  for (int row = 0; row < rowCount_; ++row) {
    for (int col = 0; col < std::min(count, colCount_); ++col) {
      cells[static_cast<std::size_t>(row * count + col)] = std::move(Cells(col, row));
    }
  }
  cells_ = std::move(cells);
  colWidths_.resize(static_cast<std::size_t>(count), kDefaultColWidth);
  colCount_ = count;
  selection_ = TGridSelection(colCount_, rowCount_);
  Invalidate();
}

void TStringGrid::SetColWidths(int col, int width) {
  colWidths_[static_cast<std::size_t>(col)] = width;
  Invalidate();
}

void TStringGrid::Invalidate() { InvalidateRect(handle_, nullptr, FALSE); }

RECT TStringGrid::CellRect(int col, int row) const {
  int left = 0;
  for (int c = 0; c < col; ++c) left += colWidths_[static_cast<std::size_t>(c)] + 1;
  const int top = row * (kDefaultRowHeight + 1);
  return {left, top, left + colWidths_[static_cast<std::size_t>(col)], top + kDefaultRowHeight};
}

GridCell TStringGrid::CellAt(int x, int y) const {
  GridCell cell{colCount_, std::clamp(y / (kDefaultRowHeight + 1), 0, rowCount_ - 1)};
  int left = 0;
  for (int c = 0; c < colCount_; ++c) {
    left += colWidths_[static_cast<std::size_t>(c)] + 1;
    if (x < left) {
      cell.Col = c;
      break;
    }
  }
  if (x < 0) cell.Col = 0;
  if (cell.Col == colCount_) cell.Col = colCount_ - 1;
  return cell;
}

void TStringGrid::PaintCell(HDC dc, int col, int row) const {
  const RECT r = CellRect(col, row);
  const bool header = col == 0 || row == 0;
  const bool current = selection_.Current() == GridCell{col, row};
  const bool highlighted = !header && selection_.IsSelected(col, row) && !(focused_ && current);
  COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  if (header) {
    FillVerticalGradient(dc, r, kHeaderTop, kHeaderBottom);
  } else if (highlighted) {
    const COLORREF selection = GetSysColor(COLOR_HIGHLIGHT);
    FillVerticalGradient(dc, r, Tint(selection, 0.75), Tint(selection, 0.45));
    FrameRectangle(dc, r, selection);
    text = GetSysColor(COLOR_HIGHLIGHTTEXT);
  } else {
    FillSolid(dc, r, GetSysColor(COLOR_WINDOW));
  }
  const std::wstring wide = WideFromUtf8(Cells(col, row));
  SetTextColor(dc, text);
  ExtTextOutW(dc, r.left + 2, r.top + 2, ETO_CLIPPED, &r, wide.c_str(),
              static_cast<UINT>(wide.size()), nullptr);
  if (focused_ && current && !header) {
    RECT focus = r;
    DrawFocusRect(dc, &focus);
  }
}

void TStringGrid::Paint(HDC dc, const RECT& client) const {
  FillSolid(dc, client, GetSysColor(COLOR_WINDOW));
  const HGDIOBJ oldFont = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  for (int row = 0; row < rowCount_; ++row) {
    for (int col = 0; col < colCount_; ++col) PaintCell(dc, col, row);
  }
  // The lines between the cells, one pixel wide.
  const RECT last = CellRect(colCount_ - 1, rowCount_ - 1);
  for (int col = 0; col < colCount_; ++col) {
    const RECT r = CellRect(col, 0);
    FillSolid(dc, {r.right, 0, r.right + 1, last.bottom + 1}, kGridLine);
  }
  for (int row = 0; row < rowCount_; ++row) {
    const RECT r = CellRect(0, row);
    FillSolid(dc, {0, r.bottom, last.right + 1, r.bottom + 1}, kGridLine);
  }
  SelectObject(dc, oldFont);
}

void TStringGrid::KeyDown(WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  if (control && key == 'C') return CopySelection();
  GridKey move;
  switch (key) {
    case VK_LEFT:
      move = GridKey::Left;
      break;
    case VK_RIGHT:
      move = GridKey::Right;
      break;
    case VK_UP:
      move = GridKey::Up;
      break;
    case VK_DOWN:
      move = GridKey::Down;
      break;
    case VK_HOME:
      move = control ? GridKey::CtrlHome : GridKey::Home;
      break;
    case VK_END:
      move = control ? GridKey::CtrlEnd : GridKey::End;
      break;
    case VK_PRIOR:
      move = GridKey::PageUp;
      break;
    case VK_NEXT:
      move = GridKey::PageDown;
      break;
    default:
      return;
  }
  if (selection_.Key(move, shift, rowCount_ - 1)) Invalidate();
}

std::string TStringGrid::SelectedText() const {
  const GridCell a = selection_.Anchor(), c = selection_.Current();
  std::string text;
  for (int row = std::min(a.Row, c.Row); row <= std::max(a.Row, c.Row); ++row) {
    for (int col = std::min(a.Col, c.Col); col <= std::max(a.Col, c.Col); ++col) {
      if (col != std::min(a.Col, c.Col)) text += '\t';
      text += Cells(col, row);
    }
    text += "\r\n";
  }
  return text;
}

void TStringGrid::CopySelection() const { SetClipboardText(handle_, SelectedText()); }

LRESULT TStringGrid::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT:
      PaintClient(handle_, [this](HDC buffer, const RECT& client, const PixelSurface&) {
        Paint(buffer, client);
      });
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(w);
      if (LOWORD(l)) Invalidate();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused_ = message == WM_SETFOCUS;
      Invalidate();
      return 0;
    case WM_KEYDOWN:
      KeyDown(w);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      SetFocus(handle_);
      const int x = static_cast<short>(LOWORD(l)), y = static_cast<short>(HIWORD(l));
      // Only a press on a cell selects; the empty room beside and below them does not.
      const RECT last = CellRect(colCount_ - 1, rowCount_ - 1);
      if (x <= last.right && y <= last.bottom &&
          selection_.Press(CellAt(x, y), (w & MK_SHIFT) != 0)) {
        Invalidate();
      }
      SetCapture(handle_);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (GetCapture() == handle_ &&
          selection_.DragTo(CellAt(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))))) {
        Invalidate();
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == handle_) ReleaseCapture();
      return 0;
    default:
      return DefWindowProcW(handle_, message, w, l);
  }
}

}  // namespace gb
