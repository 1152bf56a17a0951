// The few GDI drawing steps the program's own controls share.
#pragma once

#include <windows.h>

#include <functional>

#include "chart/PixelSurface.h"

namespace gb {

void FillSolid(HDC dc, const RECT& r, COLORREF colour);
// One line at a time from `top` at the rectangle's top edge to `bottom` at its bottom edge.
void FillVerticalGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom);
// A one-pixel frame just inside the rectangle.
void FrameRectangle(HDC dc, const RECT& r, COLORREF colour);
// A top-down 32-bit DIB section of `width` x `height` and its pixels (nullptr where it cannot be
// made); the caller deletes it.
HBITMAP CreateTopDownBitmap(int width, int height, void** bits);

// Paints through an off-screen bitmap of the rectangle's size, copied in one step: no flicker.
// `paint` gets the bitmap's device context (the rectangle's coordinates) and its pixels (none
// where the bitmap could not be made).
void PaintBuffered(HDC dc, const RECT& r,
                   const std::function<void(HDC, const PixelSurface&)>& paint);

}  // namespace gb
