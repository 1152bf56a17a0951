// What the program's own controls and boxes share as windows: their class, registered once, and
// a paint of the whole client area through an off-screen bitmap.
#pragma once

#include <windows.h>

#include <functional>

namespace gb {

// Registers the class `name` (arrow cursor, no background of its own unless `background`) the
// first time it is asked for.
void RegisterOwnClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure = DefWindowProcW,
                      UINT style = 0, HBRUSH background = nullptr, HICON icon = nullptr,
                      HICON smallIcon = nullptr);

// Answers WM_PAINT: `paint` draws the client rectangle into a buffer copied in one step.
void PaintClient(HWND window, const std::function<void(HDC, const RECT&)>& paint);

}  // namespace gb
