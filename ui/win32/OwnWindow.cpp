#include "ui/win32/OwnWindow.h"

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

}  // namespace gb
