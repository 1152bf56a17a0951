// The bodies of the main window's "帮助" commands and of the web links, for the window's handlers
// to call: About2Click shows the About box, Howtouse1Click and the links open the web address.
#pragma once

#include <functional>

class QWidget;

namespace gb {

class TAboutBox;
class TApplication;

// Asks the shell, through the application's seam, to open AuthorWebAddress. The outcome is not
// looked at; without a seam in place nothing is asked.
void OpenAuthorWebAddress(TApplication& Application);

// How a box is shown; the real one is TAboutBox::ShowModal.
using TModalShowing = std::function<void(TAboutBox& box)>;

// About2Click: a new TAboutBox owned by `Owner` goes into AboutBox and is shown modally; when the
// showing returns, or when creating or showing the box fails, the box is destroyed and AboutBox
// cleared before anything else happens. An error then goes on to the caller, that is, to the
// handler's guard and the error box.
void ShowAboutBox(QWidget* Owner, TApplication& Application);
void ShowAboutBox(QWidget* Owner, TApplication& Application, const TModalShowing& showModal);

}  // namespace gb
