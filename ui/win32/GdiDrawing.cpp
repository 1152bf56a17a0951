#include "ui/win32/GdiDrawing.h"

namespace gb {

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FillVerticalGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
  const int height = r.bottom - r.top;
  for (int y = 0; y < height; ++y) {
    const double t = height > 1 ? static_cast<double>(y) / (height - 1) : 0;
    const auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    FillSolid(dc, {r.left, r.top + y, r.right, r.top + y + 1},
              RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
                  mix(GetBValue(top), GetBValue(bottom))));
  }
}

void FrameRectangle(HDC dc, const RECT& r, COLORREF colour) {
  FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, colour);
  FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, colour);
  FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, colour);
  FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, colour);
}

void PaintBuffered(HDC dc, const RECT& r, const std::function<void(HDC)>& paint) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return;
  const HDC buffer = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  const HGDIOBJ old = SelectObject(buffer, bitmap);
  SetWindowOrgEx(buffer, r.left, r.top, nullptr);
  paint(buffer);
  SetWindowOrgEx(buffer, 0, 0, nullptr);
  BitBlt(dc, r.left, r.top, width, height, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
}

}  // namespace gb
