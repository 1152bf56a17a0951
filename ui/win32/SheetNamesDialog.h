// The names a calculation sheet prints (the project's and the site's), asked for in a modal
// dialog over the main window before the sheet is printed.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace gb {

class TApplication;

struct TSheetNames {
  std::string Project, Site;  // UTF-8, as typed
};

// The names typed, or nothing when the user cancels.
std::optional<TSheetNames> AskSheetNames(TApplication& Application, HWND Owner);

}  // namespace gb
