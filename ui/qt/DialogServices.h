// The boxes and dialogs the program shows, and the shell request it makes, each behind one
// replaceable function: the real ones block on the user, tests put recorders in their place.
#pragma once

#include "form/MainFormView.h"
#include "form/WindowCommands.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace gb {

// MessageBox flags and results, with the values of the system message box.
inline constexpr int MB_OK = 0x00000000;
inline constexpr int MB_YESNO = 0x00000004;
inline constexpr int MB_ICONSTOP = 0x00000010;
inline constexpr int MB_ICONQUESTION = 0x00000020;
inline constexpr int IDOK = 1;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// What a save dialog is asked to show. Filter pairs a listed text with its pattern, separated by
// "|" ("CSV(逗号分隔)(*.csv)|*.csv"); DefaultExt has no leading dot.
struct TSaveDialogRequest {
  QString Filter;
  QString DefaultExt;
  QString InitialDir;
  QString FileName;
  bool OverwritePrompt = true;
};

// A progress dialog with Cancel, shown while a long command runs and closed when it goes.
class TProgressDisplay {
 public:
  virtual ~TProgressDisplay() = default;
  // Shows `text`, lets the window repaint and the user press Cancel; false once cancelled.
  virtual bool Update(const QString& text) = 0;
};

struct TDialogServices {
  // A system message box owned by `owner`, modal to the program; returns the button pressed.
  std::function<int(QWidget* owner, const QString& text, const QString& caption, int flags)>
      MessageBox;
  // The notice box: no icon, one default "OK" button.
  std::function<void(QWidget* owner, const QString& text, const QString& caption)> Notice;
  // The save dialog; the chosen full path, or nothing when the user cancelled.
  std::function<std::optional<QString>(QWidget* owner, const TSaveDialogRequest& request)>
      SaveFileName;
  // The shell's "open" of a web address; the outcome is not looked at.
  std::function<void(const QString& address)> OpenWebAddress;
  // The print dialog for `printer`; true when the user chose to print.
  std::function<bool(QWidget* owner, QPrinter& printer)> PrintDialog;
  // The print preview of the pages `paint` draws onto the printer; the user may print from it.
  std::function<void(QWidget* owner, QPrinter& printer,
                     const std::function<void(QPrinter&)>& paint)>
      PrintPreview;
  // The open dialog for an existing file; the chosen path, or nothing when the user cancelled.
  std::function<std::optional<QString>(QWidget* owner, const QString& filter)> OpenFileName;
  // The progress dialog of a long command titled `title`.
  std::function<std::unique_ptr<TProgressDisplay>(QWidget* owner, const QString& title)> Progress;
  // The small dialog asking for the sheet's project and site names, empty each time it opens;
  // nothing when the user cancelled.
  std::function<std::optional<TSheetNames>(QWidget* owner)> SheetNames;
  // The spectrum file dialog (format, level, site class) opened at `initial`; nothing when the
  // user cancelled.
  std::function<std::optional<TSpectrumFileChoice>(QWidget* owner,
                                                   const TSpectrumFileChoice& initial)>
      SpectrumFileChoice;
};

// The real boxes, dialog and browser request.
TDialogServices SystemDialogServices();

// Qt name filters for a "text|pattern|text|pattern" filter. A listed text that already ends in
// its pattern in brackets is taken as it is, so the dialog lists exactly that text.
QStringList QtNameFilters(const QString& filter);

// A save dialog that remembers the chosen file, so the next opening proposes it.
class TSaveDialog {
 public:
  TSaveDialog(QWidget* owner,
              std::function<std::optional<QString>(QWidget*, const TSaveDialogRequest&)> run);

  QString Filter;
  QString DefaultExt;
  QString InitialDir;
  QString FileName;
  bool OverwritePrompt = true;

  // Takes the designed filter, extension, offered name and (where not the input's) folder.
  void Design(const FileDialogDesign& design);

  // Shows the dialog; on a confirmed choice FileName becomes the chosen full path.
  bool Execute();

 private:
  QWidget* owner_;
  std::function<std::optional<QString>(QWidget*, const TSaveDialogRequest&)> run_;
};

}  // namespace gb
