// A PNG of the program's resources decoded by the Windows Imaging Component into a 32-bit
// bitmap, for the About box's logo.
#pragma once

#include <windows.h>

namespace gb {

// The RCDATA resource `name` as a top-down 32-bit DIB section, its transparent parts laid over
// `background`; nullptr where it cannot be read. The caller deletes it.
HBITMAP LoadPngResource(HINSTANCE instance, const wchar_t* name, COLORREF background, SIZE& size);

}  // namespace gb
