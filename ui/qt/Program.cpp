#include "ui/qt/Program.h"

#include <QApplication>
#include <optional>

#include "text/CurrentError.h"
#include "text/Errors.h"
#include "ui/qt/Application.h"
#include "ui/qt/DisplayOpening.h"
#include "ui/qt/Unit1.h"

namespace gb {

namespace {

// The program ends with 0 even when the error box itself cannot be shown.
void ShowStartupError(TApplication& Application, const Exception& E) noexcept {
  try {
    Application.ShowException(E);
  } catch (...) {
  }
}

}  // namespace

int RunProgram(TApplication& Application) {
  try {
    Application.Initialize();
    Application.MainFormOnTaskBar = true;
    Application.CreateForm<TForm1>();
    Application.Run();
  } catch (...) {
    // Anything that is not one of the program's errors is shown as an empty one.
    ShowStartupError(Application, CurrentError());
  }
  return 0;
}

int RunApplication(int& argc, char** argv) {
  // The toolkit and the application object come first, so that an error in the start-up
  // sequence can still be shown.
  std::optional<QApplication> toolkit;
  {
    const TDisplayOpening opening;
    toolkit.emplace(argc, argv);
  }
  TApplication Application(QCoreApplication::applicationFilePath(), SystemDialogServices());
  return RunProgram(Application);
}

}  // namespace gb
