// The chart as a picture: drawn at twice its size on screen into a bitmap, put on the clipboard
// or encoded as PNG by the Windows Imaging Component.
#pragma once

#include <windows.h>

#include <string>

#include "chart/ChartPlot.h"

namespace gb {

// A 32-bit top-down bitmap of `plot` at `pixels`, laid out at pixels / scale; the caller deletes
// it.
HBITMAP ChartBitmap(const ChartPlot& plot, ChartSize pixels, int scale);
// The PNG file's bytes of that bitmap.
std::string ChartPngBytes(const ChartPlot& plot, ChartSize pixels, int scale);
// The bitmap on the clipboard (CF_DIB).
void CopyChartImage(HWND owner, const ChartPlot& plot, ChartSize pixels, int scale);

}  // namespace gb
