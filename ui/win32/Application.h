// The application object of the Windows window: the title every box is captioned with, the
// error and notice boxes, the window font, the main window's lifetime and the message loop.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "text/CurrentError.h"
#include "text/Errors.h"

namespace gb {

// What the application owns of its main window.
class TWinForm {
 public:
  virtual ~TWinForm() = default;
  virtual HWND Handle() const = 0;
  // The window's keyboard shortcuts, taken before the dialog keys (Tab, the arrows).
  virtual HACCEL Accelerators() const { return nullptr; }
};

class TApplication {
 public:
  explicit TApplication(HINSTANCE instance);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // From the executable's name (see TitleFromExecutableName).
  std::wstring Title;
  // The task-bar button belongs to the main window; Windows does so for a top-level window
  // without an owner, and the flag keeps the start-up sequence as it reads.
  bool MainFormOnTaskBar = false;

  // Common controls, the window font and the number separators of the user's settings.
  void Initialize();

  // Creates the main window (the first form created) and owns it. A constructor that throws
  // leaves no window behind.
  template <class TForm>
  TForm* CreateForm() {
    auto form = std::make_unique<TForm>(*this);
    TForm* created = form.get();
    if (!mainForm_) mainForm_ = std::move(form);
    return created;
  }

  // Shows the main window as the shell asked (`showCommand`) and dispatches messages until it
  // is destroyed.
  void Run(int showCommand);

  // Runs an event handler: what it throws is shown here, never unwound through Windows.
  template <class Command>
  void Dispatch(Command&& command) noexcept {
    try {
      command();
    } catch (...) {
      HandleException(CurrentError());
    }
  }

  void HandleException(const Exception& E) noexcept;
  // The error box: the message with the full-stop rule, the title, the stop icon.
  void ShowException(const Exception& E);
  int MessageBox(const std::wstring& Text, const std::wstring& Caption, UINT Flags);
  // The modal notice: caption the title, no icon, one "OK" button.
  void ShowNotice(const std::wstring& Text);

  HINSTANCE Instance() const { return instance_; }
  HFONT FormFont() const { return font_; }
  HWND MainWindow() const { return mainForm_ ? mainForm_->Handle() : nullptr; }

 private:
  HWND ActiveOwner() const;

  HINSTANCE instance_;
  HFONT font_ = nullptr;
  std::unique_ptr<TWinForm> mainForm_;
};

// "C:\Tools\ABC.DEF.EXE" gives "Abc": the folder dropped, the name cut before its first full
// stop, every character after the first lower-cased.
std::wstring TitleFromExecutableName(std::wstring path);

}  // namespace gb
