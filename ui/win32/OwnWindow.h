// What the program's own controls and boxes share as windows: their class, registered once, and
// a paint of the whole client area through an off-screen bitmap.
#pragma once

#include <windows.h>

#include <functional>

#include "chart/PixelSurface.h"
#include "ui/win32/Application.h"

namespace gb {

// Registers the class `name` (arrow cursor, no background of its own unless `background`) the
// first time it is asked for.
void RegisterOwnClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure = DefWindowProcW,
                      UINT style = 0, HBRUSH background = nullptr, HICON icon = nullptr,
                      HICON smallIcon = nullptr);

// The window procedure of a control object attached to its window (GWLP_USERDATA): its Handle
// runs through the application's guard, so no exception unwinds through Windows. The control
// makes it a friend.
template <class Control>
LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (control == nullptr) return DefWindowProcW(window, message, w, l);
  LRESULT result = 0;
  control->application_.Dispatch([&] { result = control->Handle(message, w, l); });
  return result;
}

// Attaches `control` to `window` and hands the window's messages to it.
template <class Control>
void AttachOwnControl(HWND window, Control* control) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnProcedure<Control>));
}

// Where a box of `size` goes over `owner`: centred on its frame, never left of or above the
// desktop, which spans every monitor.
POINT PositionOverOwner(HWND owner, SIZE size);

// Moves a dialog that is opening to PositionOverOwner over its owner window.
void PlaceDialogOverOwner(HWND dialog);

// Answers WM_PAINT: `paint` draws the client rectangle into a buffer copied in one step, on its
// device context or straight into its pixels.
void PaintClient(HWND window,
                 const std::function<void(HDC, const RECT&, const PixelSurface&)>& paint);

// Makes the controls inside a group box report to `form` (commands, notifications, colours), as
// controls on a form do, and the box paint only its frame and caption on the form's face.
void ReportToForm(HWND group, HWND form);

// A control's caption measured in `font`: its width, and the font's height.
SIZE CaptionSize(HWND control, HFONT font);

}  // namespace gb
