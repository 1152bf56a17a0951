// The Windows window's entry: the application object, the main window it owns, the message loop
// and exit code 0, with every start-up error shown in the error box.
#include <windows.h>

#include <objbase.h>

#include "text/CurrentError.h"
#include "ui/win32/Application.h"
#include "ui/win32/Unit1.h"

namespace {

// The program ends with 0 even when the error box itself cannot be shown.
void ShowStartupError(gb::TApplication& Application, const gb::Exception& E) noexcept {
  try {
    Application.ShowException(E);
  } catch (...) {
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // The Windows Imaging Component decodes the About box's logo.
  const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  try {
    gb::TApplication Application(instance);
    try {
      Application.Initialize();
      Application.MainFormOnTaskBar = true;
      Application.CreateForm<gb::TForm1>();
      Application.Run(showCommand);
    } catch (...) {
      // Anything that is not one of the program's errors is shown as an empty one.
      ShowStartupError(Application, gb::CurrentError());
    }
  } catch (...) {
    // The application object itself could not be made: nothing to caption a box with.
  }
  if (com) CoUninitialize();
  return 0;
}
