#include "ui/win32/AboutBox.h"

#include <shellapi.h>
#include <windowsx.h>

#include <string>
#include <utility>
#include <vector>

#include "form/AboutContent.h"
#include "form/WindowCommands.h"
#include "platform/win32/WideText.h"
#include "report/Author.h"
#include "text/Errors.h"
#include "ui/win32/Application.h"
#include "ui/win32/GdiDrawing.h"
#include "ui/win32/OwnWindow.h"
#include "ui/win32/PngImage.h"

namespace gb {

namespace {

constexpr wchar_t kClassName[] = L"TAboutBox";
constexpr int kOkId = IDOK;

// What the box shows and holds; its fonts and logo go with it, however the showing ends.
struct AboutState {
  AboutState(TApplication& app, std::vector<AboutItem> shown)
      : application(app), items(std::move(shown)) {}
  AboutState(const AboutState&) = delete;
  AboutState& operator=(const AboutState&) = delete;
  ~AboutState() {
    for (HFONT font : fonts) DeleteObject(font);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(linkHotFont), static_cast<HGDIOBJ>(buttonFont),
                           static_cast<HGDIOBJ>(logo)}) {
      if (object != nullptr) DeleteObject(object);
    }
  }
  TApplication& application;
  std::vector<AboutItem> items;
  std::vector<HFONT> fonts;  // per item
  HFONT linkHotFont = nullptr, buttonFont = nullptr;
  HBITMAP logo = nullptr;
  SIZE logoSize{};
  RECT link{};  // the link's place in the box
  bool linkHot = false, tracking = false, pressedOnLink = false, done = false;
};

HFONT SansSerif(int pixelSize, bool underline) {
  return CreateFontW(-pixelSize, 0, 0, 0, FW_BOLD, FALSE, underline, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

RECT InBox(const DesignRect& r) {
  return {kAboutPanel.Left + r.Left, kAboutPanel.Top + r.Top, kAboutPanel.Left + r.Left + r.Width,
          kAboutPanel.Top + r.Top + r.Height};
}

// Two one-pixel bevels: a lowered one outside, a raised one inside.
void PaintPanel(HDC dc) {
  const RECT outer{kAboutPanel.Left, kAboutPanel.Top, kAboutPanel.Left + kAboutPanel.Width,
                   kAboutPanel.Top + kAboutPanel.Height};
  const COLORREF light = GetSysColor(COLOR_3DHILIGHT), dark = GetSysColor(COLOR_3DSHADOW);
  const auto bevel = [dc](RECT r, COLORREF topLeft, COLORREF bottomRight) {
    FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  };
  bevel(outer, dark, light);
  bevel({outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1}, light, dark);
}

void Paint(const AboutState& s, HDC dc, const RECT& client) {
  FillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
  PaintPanel(dc);
  SetBkMode(dc, TRANSPARENT);
  for (std::size_t i = 0; i < s.items.size(); ++i) {
    const AboutItem& item = s.items[i];
    RECT place = InBox(item.Place);
    if (item.Kind == AboutItemKind::Logo) {
      if (s.logo == nullptr) continue;
      const HDC source = CreateCompatibleDC(dc);
      const HGDIOBJ old = SelectObject(source, s.logo);
      SetStretchBltMode(dc, HALFTONE);
      StretchBlt(dc, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 source, 0, 0, s.logoSize.cx, s.logoSize.cy, SRCCOPY);
      SelectObject(source, old);
      DeleteDC(source);
      continue;
    }
    const bool link = item.Kind == AboutItemKind::Link;
    const HGDIOBJ old = SelectObject(dc, link && s.linkHot ? s.linkHotFont : s.fonts[i]);
    SetTextColor(dc, link && s.linkHot ? RGB(0, 0, 255) : RGB(0, 0, 0));
    const std::wstring text = WideFromUtf8(item.Text);
    UINT format = DT_LEFT | DT_TOP | DT_NOPREFIX;
    if (item.Kind == AboutItemKind::WrappedLabel) {
      format |= DT_WORDBREAK;
    } else {
      format |= DT_SINGLELINE | DT_NOCLIP;
    }
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, format);
    SelectObject(dc, old);
  }
}

LRESULT CALLBACK AboutProcedure(HWND box, UINT message, WPARAM w, LPARAM l) {
  auto* s = reinterpret_cast<AboutState*>(GetWindowLongPtrW(box, GWLP_USERDATA));
  if (s == nullptr) return DefWindowProcW(box, message, w, l);
  LRESULT result = 0;
  bool handled = true;
  s->application.Dispatch([&] {
    switch (message) {
      case WM_PAINT:
        PaintClient(box, [&](HDC buffer, const RECT& client, const PixelSurface&) {
          Paint(*s, buffer, client);
        });
        break;
      case WM_ERASEBKGND:
        result = 1;
        break;
      case WM_COMMAND:
        // Only OK closes it: the box has no cancel button, so Escape does nothing.
        if (LOWORD(w) == IDOK) s->done = true;
        break;
      case WM_MOUSEMOVE: {
        const POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
        const bool hot = PtInRect(&s->link, at) != 0;
        if (!s->tracking) {
          TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, box, 0};
          s->tracking = TrackMouseEvent(&track) != 0;
        }
        if (hot != s->linkHot) {
          s->linkHot = hot;
          InvalidateRect(box, &s->link, FALSE);
        }
        break;
      }
      case WM_MOUSELEAVE:
        s->tracking = false;
        if (s->linkHot) {
          s->linkHot = false;
          InvalidateRect(box, &s->link, FALSE);
        }
        break;
      case WM_LBUTTONDOWN: {
        const POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
        s->pressedOnLink = PtInRect(&s->link, at) != 0;
        break;
      }
      case WM_LBUTTONUP: {
        const POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
        // A click is a press and a release both on the link.
        const bool click = s->pressedOnLink && PtInRect(&s->link, at);
        s->pressedOnLink = false;
        if (click) {
          ShellExecuteW(box, L"open", WideFromUtf8(AuthorWebAddress).c_str(), nullptr, nullptr,
                        SW_SHOWNORMAL);
        }
        break;
      }
      case WM_CLOSE:
        s->done = true;
        break;
      case WM_DESTROY:
        s->done = true;
        break;
      default:
        handled = false;
    }
  });
  return handled ? result : DefWindowProcW(box, message, w, l);
}

}  // namespace

void ShowAboutBox(TApplication& Application, HWND Owner) {
  const HINSTANCE instance = Application.Instance();
  RegisterOwnClass(instance, kClassName, DefWindowProcW, CS_DBLCLKS);
  AboutState s(Application, AboutBoxItems());
  for (const AboutItem& item : s.items) s.fonts.push_back(SansSerif(item.PixelSize, false));
  s.logo = LoadPngResource(instance, L"LOGO", GetSysColor(COLOR_BTNFACE), s.logoSize);

  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT outer{0, 0, kAboutClientWidth, kAboutClientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  const POINT at = PositionOverOwner(Owner, {width, height});
  const HWND box = CreateWindowExW(exStyle, kClassName, WideFromUtf8(kAboutCaption).c_str(), style,
                                   at.x, at.y, width, height, Owner, nullptr, instance, nullptr);
  if (box == nullptr) {
    throw Exception("Cannot open the About box. " + WindowsErrorText(GetLastError()));
  }
  SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&s));
  SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AboutProcedure));

  // The link's place: its text's size at its place.
  for (std::size_t i = 0; i < s.items.size(); ++i) {
    if (s.items[i].Kind != AboutItemKind::Link) continue;
    const HDC dc = GetDC(box);
    const HGDIOBJ old = SelectObject(dc, s.fonts[i]);
    const std::wstring text = WideFromUtf8(s.items[i].Text);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    const RECT place = InBox(s.items[i].Place);
    s.link = {place.left, place.top, place.left + size.cx, place.top + size.cy};
    s.linkHotFont = SansSerif(s.items[i].PixelSize, true);
  }
  const HWND ok = CreateWindowExW(
      0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
      kAboutOkButton.Left, kAboutOkButton.Top, kAboutOkButton.Width, kAboutOkButton.Height, box,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOkId)), instance, nullptr);
  // The box's own font, MS Sans Serif 8 pt, for its button.
  s.buttonFont = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
  SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(s.buttonFont), FALSE);

  // Modal: the owner takes no input until the box is gone, and is enabled again before the box
  // goes, so that Windows gives the activation back to it and not to another program.
  EnableWindow(Owner, FALSE);
  ShowWindow(box, SW_SHOW);
  SetFocus(ok);
  MSG msg;
  while (!s.done && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(box, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (msg.message == WM_QUIT && !s.done) PostQuitMessage(static_cast<int>(msg.wParam));
  EnableWindow(Owner, TRUE);
  SetActiveWindow(Owner);
  if (IsWindow(box)) {
    SetWindowLongPtrW(box, GWLP_USERDATA, 0);
    DestroyWindow(box);
  }
}

}  // namespace gb
