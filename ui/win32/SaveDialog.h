// The system's save dialog (GetSaveFileNameW) with the designed filter, default extension,
// overwrite prompt, folder and offered name.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "form/WindowCommands.h"

namespace gb {

class TSaveDialog {
 public:
  std::wstring Filter;  // "caption|patterns|…"
  std::wstring DefaultExt;
  std::wstring InitialDir;
  std::wstring FileName;  // after a confirmed choice: the full path chosen

  void Design(const FileDialogDesign& design);
  // Shows the dialog over `owner`; false when the user cancels.
  bool Execute(HWND owner);
};

// The folder that holds the program's executable file.
std::wstring ProgramFolder();

// The system's open dialog with the design's filter; nothing when the user cancels.
std::optional<std::wstring> AskOpenFileName(HWND owner, const FileDialogDesign& design);

}  // namespace gb
