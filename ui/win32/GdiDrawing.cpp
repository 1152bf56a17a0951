#include "ui/win32/GdiDrawing.h"

#include <cstdint>

namespace gb {

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FillVerticalGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
  if (r.bottom <= r.top || r.right <= r.left) return;
  // One call for the whole rectangle: line by line costs a trip per line under Wine.
  const auto channel = [](BYTE value) { return static_cast<COLOR16>(value << 8); };
  TRIVERTEX corners[2] = {
      {r.left, r.top, channel(GetRValue(top)), channel(GetGValue(top)), channel(GetBValue(top)), 0},
      {r.right, r.bottom, channel(GetRValue(bottom)), channel(GetGValue(bottom)),
       channel(GetBValue(bottom)), 0}};
  GRADIENT_RECT span{0, 1};
  GdiGradientFill(dc, corners, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

void FrameRectangle(HDC dc, const RECT& r, COLORREF colour) {
  FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, colour);
  FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, colour);
  FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, colour);
  FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, colour);
}

HBITMAP CreateTopDownBitmap(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

void PaintBuffered(HDC dc, const RECT& r,
                   const std::function<void(HDC, const PixelSurface&)>& paint) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return;
  const HDC buffer = CreateCompatibleDC(dc);
  // A DIB section: the drawing stays in this process's memory and reaches the screen in one copy
  // (a bitmap compatible with the screen would send every step to the display server).
  void* bits = nullptr;
  const HBITMAP bitmap = CreateTopDownBitmap(width, height, &bits);
  const HGDIOBJ old = SelectObject(buffer, bitmap);
  SetWindowOrgEx(buffer, r.left, r.top, nullptr);
  paint(buffer, {static_cast<std::uint32_t*>(bits), width, height, width});
  SetWindowOrgEx(buffer, 0, 0, nullptr);
  BitBlt(dc, r.left, r.top, width, height, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
}

}  // namespace gb
