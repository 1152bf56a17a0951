// A dialog of the window's resources run modally over its owner, its messages through the
// application's guard so that no exception unwinds through Windows.
#pragma once

#include <windows.h>

#include <functional>

namespace gb {

class TApplication;

struct TModalDialog {
  int Resource;         // the dialog's number in the resources
  const char* Caption;  // UTF-8, also named in the error when it cannot open
  // Fills the dialog as it opens; it is then placed over its owner.
  std::function<void(HWND dialog)> Open;
  // Reads the dialog when OK is pressed, before it closes.
  std::function<void(HWND dialog)> Accept;
  // Any other command of its controls.
  std::function<void(HWND dialog, WPARAM command)> Command;
};

// True when OK closed it; anything else (Cancel, Escape, the close box, the program quitting
// meanwhile) is false. Throws Exception when the dialog cannot be made.
bool RunModalDialog(TApplication& application, HWND owner, const TModalDialog& dialog);

}  // namespace gb
