// The application object: the title every box is captioned with, the default error display the
// event handlers' guard hands errors to, the notice box and the main window's lifetime.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <utility>

#include "text/Errors.h"
#include "ui/qt/DialogServices.h"

class QWidget;

namespace gb {

class TApplication {
 public:
  // `executablePath` names the program file the title is taken from.
  TApplication(const QString& executablePath, TDialogServices services);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  QString Title;
  // The task-bar button belongs to the main window itself. Qt gives every top-level window its
  // own button anyway; the flag is kept for the start-up sequence to read like the others.
  bool MainFormOnTaskBar = false;

  // Reads the number separators and keeps them current across locale changes. Runs before the
  // main window exists, since its construction already parses and formats numbers.
  void Initialize();

  // Creates the main window (the first form created is the main one) and owns it.
  template <class TForm>
  TForm* CreateForm() {
    auto form = std::make_unique<TForm>(*this);
    TForm* created = form.get();
    if (!mainForm_) mainForm_ = std::move(form);
    return created;
  }
  QWidget* MainForm() const { return mainForm_.get(); }

  // Shows the main window centred on the screen and dispatches events until it closes.
  void Run();

  // The default handling of an error that left an event handler.
  void HandleException(QObject* Sender, const Exception& E);
  // The error box: the message with the full-stop rule, the title, the stop icon.
  void ShowException(const Exception& E);
  int MessageBox(const QString& Text, const QString& Caption, int Flags);
  // The modal notice: caption the title, no icon, one default "OK" button.
  void ShowNotice(const QString& Text);

  const TDialogServices& Services() const { return services_; }

 private:
  QWidget* ActiveOwner() const;

  TDialogServices services_;
  std::unique_ptr<QWidget> mainForm_;
  std::unique_ptr<QObject> localeWatcher_;
  bool qtTranslationsInstalled_ = false;
};

}  // namespace gb
