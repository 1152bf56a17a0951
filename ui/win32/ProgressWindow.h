// A long command's progress: a small window over the form with a line of text and a Cancel
// button, shown only once the command has taken longer than a moment (ProgressPacing). While
// it runs, the owner takes no input and the window's messages are handled between steps.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "form/WindowCommands.h"

namespace gb {

class TApplication;

class TProgressWindow {
 public:
  TProgressWindow(TApplication& application, HWND owner, const std::wstring& caption);
  ~TProgressWindow();
  TProgressWindow(const TProgressWindow&) = delete;
  TProgressWindow& operator=(const TProgressWindow&) = delete;

  // Shows `text` when due; false once the user asked to stop.
  bool Update(const std::string& utf8);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
  void Create();

  TApplication& application_;
  HWND owner_;
  std::wstring caption_;
  HWND window_ = nullptr, text_ = nullptr;
  bool cancelled_ = false;
  ProgressPacing pacing_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace gb
