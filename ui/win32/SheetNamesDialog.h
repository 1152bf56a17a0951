// The names a calculation sheet prints (the project's and the site's), asked for in a modal
// dialog over the main window before the sheet is printed.
#pragma once

#include <windows.h>

#include <optional>

#include "form/MainFormView.h"

namespace gb {

class TApplication;

// The names typed, or nothing when the user cancels.
std::optional<TSheetNames> AskSheetNames(TApplication& Application, HWND Owner);

}  // namespace gb
