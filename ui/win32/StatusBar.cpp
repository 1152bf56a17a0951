#include "ui/win32/StatusBar.h"

#include <windowsx.h>

#include "form/ColourMaths.h"
#include "form/StatusBarPanes.h"
#include "platform/win32/WideText.h"
#include "ui/win32/Application.h"
#include "ui/win32/GdiDrawing.h"
#include "ui/win32/OwnWindow.h"

namespace gb {

namespace {

constexpr wchar_t kClassName[] = L"TRzStatusBar";
constexpr COLORREF kLinkNormal = RGB(0, 0, 0);
constexpr COLORREF kLinkHot = RGB(0, 0, 255);
const char* const kLinkPane = "rzfldsts2";

Rgb ToRgb(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }
COLORREF ToColorRef(Rgb c) { return RGB(c.Red, c.Green, c.Blue); }

HFONT PaneFont(const char* family, bool underline) {
  return CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, underline, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, WideFromUtf8(family).c_str());
}

}  // namespace

TRzStatusBar::TRzStatusBar(TApplication& application, HWND parent) : application_(application) {
  // Double clicks arrive as such, so a double click on the link opens it once.
  RegisterOwnClass(application.Instance(), kClassName, DefWindowProcW, CS_DBLCLKS);
  handle_ = CreateWindowExW(0, kClassName, L"rzstsbr2", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0,
                            0, 10, kHeight, parent, nullptr, application.Instance(), nullptr);
  AttachOwnControl(handle_, this);

  std::vector<PaneSpan> spans;
  for (const StatusPaneDesign& design : kStatusPanes) {
    TRzFieldStatus pane;
    pane.Name = design.Name;
    pane.Caption = WideFromUtf8(StatusPaneCaption(design.Name));
    pane.DesignLeft = design.Left;
    pane.Width = design.Width;
    pane.BorderWidth = design.BorderWidth;
    pane.Font = PaneFont(design.Family, false);
    pane.HotFont = PaneFont(design.Family, true);
    fonts_.push_back(pane.Font);
    fonts_.push_back(pane.HotFont);
    panes_.push_back(pane);
    spans.push_back({design.Left, design.Width});
  }
  const std::vector<int> lefts = PackStatusPanes(spans);
  for (std::size_t i = 0; i < panes_.size(); ++i) panes_[i].Left = lefts[i];
}

TRzStatusBar::~TRzStatusBar() {
  if (IsWindow(handle_)) SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  for (HFONT font : fonts_) DeleteObject(font);
}

TRzFieldStatus& TRzStatusBar::Pane(const char* name) {
  for (TRzFieldStatus& pane : panes_) {
    if (pane.Name == name) return pane;
  }
  return panes_.front();
}

void TRzStatusBar::SetLinkState(TRzFieldStatus& pane, TLinkState state) {
  if (pane.Link == state) return;
  pane.Link = state;
  InvalidateRect(handle_, nullptr, FALSE);
}

RECT TRzStatusBar::SizeGripRect() const {
  RECT client{};
  GetClientRect(handle_, &client);
  if (IsZoomed(GetAncestor(handle_, GA_ROOT))) return {};
  return {client.right - kSizeGripWidth, 0, client.right, client.bottom};
}

bool TRzStatusBar::OverLink(int x, int y) const {
  for (const TRzFieldStatus& pane : panes_) {
    if (pane.Name == kLinkPane) {
      return x >= pane.Left && x < pane.Left + pane.Width && y >= 0 && y < kHeight;
    }
  }
  return false;
}

void TRzStatusBar::Paint(HDC dc, const RECT& client) const {
  const COLORREF button = GetSysColor(COLOR_BTNFACE);
  FillVerticalGradient(dc, client, ToColorRef(StatusGradientTop(ToRgb(button))),
                       GetSysColor(COLOR_WINDOW));
  const COLORREF separator = ToColorRef(StatusSeparator(ToRgb(button)));
  SetBkMode(dc, TRANSPARENT);
  for (const TRzFieldStatus& pane : panes_) {
    const int b = pane.BorderWidth;
    const RECT inset{pane.Left + b, b, pane.Left + pane.Width - b, client.bottom - b};
    if (pane.Left != 0 && inset.bottom - inset.top > 2) {
      FillSolid(dc, {inset.left, inset.top + 1, inset.left + 1, inset.bottom - 1}, separator);
    }
    RECT text{inset.left + 1, inset.top + 1, inset.right - 1, inset.bottom - 1};
    if (text.right <= text.left || pane.Caption.empty()) continue;
    const bool hot = pane.Link == TLinkState::Hot;
    const HGDIOBJ old = SelectObject(dc, hot ? pane.HotFont : pane.Font);
    SetTextColor(dc, pane.Name == kLinkPane ? (hot ? kLinkHot : kLinkNormal)
                                            : GetSysColor(COLOR_WINDOWTEXT));
    RECT line{text.left + 3, text.top, text.right, text.bottom};
    DrawTextW(dc, pane.Caption.c_str(), static_cast<int>(pane.Caption.size()), &line,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
  }
  // The grip: six squares in a triangle against the corner, each with its shadow.
  const RECT grip = SizeGripRect();
  if (grip.right > grip.left) {
    const COLORREF light = GetSysColor(COLOR_WINDOW);
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col + row < 3; ++col) {
        const int x = grip.right - 3 - 4 * col, y = grip.bottom - 3 - 4 * row;
        FillSolid(dc, {x, y, x + 2, y + 2}, light);
        FillSolid(dc, {x - 1, y - 1, x + 1, y + 1}, separator);
      }
    }
  }
}

LRESULT TRzStatusBar::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT:
      PaintClient(handle_, [this](HDC buffer, const RECT& client, const PixelSurface&) {
        Paint(buffer, client);
      });
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      InvalidateRect(handle_, nullptr, FALSE);
      return 0;
    case WM_NCHITTEST: {
      // Over the grip the window below sizes itself.
      POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
      ScreenToClient(handle_, &at);
      const RECT grip = SizeGripRect();
      if (PtInRect(&grip, at)) return HTTRANSPARENT;
      return HTCLIENT;
    }
    case WM_MOUSEMOVE: {
      const int x = GET_X_LPARAM(l), y = GET_Y_LPARAM(l);
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
        tracking_ = TrackMouseEvent(&track) != 0;
      }
      const bool over = OverLink(x, y);
      if (over && OnLinkMouseMove) {
        const TRzFieldStatus& link = Pane(kLinkPane);
        OnLinkMouseMove(x - link.Left, y);
      } else if (!over && overLink_ && OnLinkMouseLeave) {
        OnLinkMouseLeave();
      }
      overLink_ = over;
      return 0;
    }
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (overLink_ && OnLinkMouseLeave) OnLinkMouseLeave();
      overLink_ = false;
      return 0;
    case WM_LBUTTONDOWN:
      pressedOnLink_ = OverLink(GET_X_LPARAM(l), GET_Y_LPARAM(l));
      if (pressedOnLink_) SetCapture(handle_);
      return 0;
    case WM_LBUTTONUP: {
      const bool click = pressedOnLink_ && OverLink(GET_X_LPARAM(l), GET_Y_LPARAM(l));
      pressedOnLink_ = false;
      if (GetCapture() == handle_) ReleaseCapture();
      if (click && OnLinkClick) OnLinkClick();
      return 0;
    }
    default:
      return DefWindowProcW(handle_, message, w, l);
  }
}

}  // namespace gb
