#include "ui/qt/AboutCommands.h"

#include <QString>

#include "report/Author.h"
#include "ui/qt/AboutForm.h"
#include "ui/qt/Application.h"

namespace gb {

namespace {

// Destroys the live box when the command's scope ends, however it ends.
struct TAboutBoxRelease {
  TAboutBoxRelease() = default;
  TAboutBoxRelease(const TAboutBoxRelease&) = delete;
  TAboutBoxRelease& operator=(const TAboutBoxRelease&) = delete;
  ~TAboutBoxRelease() {
    // The destructor clears AboutBox itself; clearing it here as well covers a box that is
    // already gone (its owner destroyed it during the showing).
    delete AboutBox;
    AboutBox = nullptr;
  }
};

}  // namespace

void OpenAuthorWebAddress(TApplication& Application) {
  const auto& open = Application.Services().OpenWebAddress;
  if (open) open(QString::fromLatin1(AuthorWebAddress));
}

void ShowAboutBox(QWidget* Owner, TApplication& Application) {
  ShowAboutBox(Owner, Application, [](TAboutBox& box) { box.ShowModal(); });
}

void ShowAboutBox(QWidget* Owner, TApplication& Application, const TModalShowing& showModal) {
  TAboutBoxRelease release;
  AboutBox = new TAboutBox(Owner, Application);
  showModal(*AboutBox);
}

}  // namespace gb
