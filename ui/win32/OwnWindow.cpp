#include "ui/win32/OwnWindow.h"

#include <commctrl.h>

#include <string>

#include "form/WindowCommands.h"
#include "ui/win32/GdiDrawing.h"

namespace gb {

void RegisterOwnClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style,
                      HBRUSH background, HICON icon, HICON smallIcon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, name, &wc)) return;
  wc.lpfnWndProc = procedure;
  wc.style = style;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.hIconSm = smallIcon;
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

POINT PositionOverOwner(HWND owner, SIZE size) {
  RECT frame{};
  GetWindowRect(owner, &frame);
  const ChartPoint at = OwnerCentredPosition(
      {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top},
      {size.cx, size.cy},
      {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
       GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)});
  return {at.x, at.y};
}

void PaintClient(HWND window,
                 const std::function<void(HDC, const RECT&, const PixelSurface&)>& paint) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  // The area is validated even when the paint fails, or every later message would paint (and
  // fail) again.
  try {
    PaintBuffered(dc, client,
                  [&](HDC buffer, const PixelSurface& pixels) { paint(buffer, client, pixels); });
  } catch (...) {
    EndPaint(window, &ps);
    throw;
  }
  EndPaint(window, &ps);
}

// Controls inside a group box report to the form, as controls on a form do.
namespace {

LRESULT CALLBACK GroupProcedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                DWORD_PTR form) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return SendMessageW(reinterpret_cast<HWND>(form), message, w, l);
    case WM_ERASEBKGND: {
      // A group box paints only its frame and caption; what it holds stands on the form's face.
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(w), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return DefSubclassProc(window, message, w, l);
  }
}

}  // namespace

void PlaceDialogOverOwner(HWND dialog) {
  RECT box{};
  GetWindowRect(dialog, &box);
  const POINT at =
      PositionOverOwner(GetWindow(dialog, GW_OWNER), {box.right - box.left, box.bottom - box.top});
  SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ReportToForm(HWND group, HWND form) {
  SetWindowSubclass(group, GroupProcedure, 1, reinterpret_cast<DWORD_PTR>(form));
}

SIZE CaptionSize(HWND control, HFONT font) {
  const std::wstring text = [&] {
    std::wstring t(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    GetWindowTextW(control, t.data(), static_cast<int>(t.size()));
    t.pop_back();
    return t;
  }();
  const HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  size.cy = metrics.tmHeight;
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size;
}

}  // namespace gb
