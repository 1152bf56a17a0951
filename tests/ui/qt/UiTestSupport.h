// Recorders for the boxes, dialogs and shell requests, and a window built with them.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPushButton>
#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "ui/qt/Application.h"
#include "ui/qt/DialogServices.h"
#include "ui/qt/Unit1.h"

namespace gb::test {

struct RecordedBox {
  QString text;
  QString caption;
  int flags = 0;
};

// Stands in for the user: records every box and answers every save dialog from a queue (an empty
// queue cancels).
struct Recorder {
  std::vector<RecordedBox> errorBoxes;
  std::vector<RecordedBox> notices;
  std::vector<TSaveDialogRequest> saveRequests;
  std::deque<QString> saveAnswers;
  std::vector<QString> openedAddresses;
  int printDialogs = 0;
  // Where an accepted print dialog sends the pages (a PDF file); empty: the dialog is declined.
  QString printToFile;
  std::optional<QPageSize::PageSizeId> printedPageSize;
  int printPreviews = 0;            // each preview paints its pages onto printToFile, if given
  std::deque<QString> openAnswers;  // answers of the open dialog; an empty queue cancels
  std::vector<QString> openFilters;
  std::vector<QString> progressTitles;
  std::vector<QString> progressTexts;  // every update of every progress dialog
  int cancelAfterUpdates = -1;         // the user presses Cancel at that update; -1: never
  // Answers of the sheet's names dialog; an empty queue answers empty names, nothing cancels.
  std::deque<std::optional<TSheetNames>> sheetNamesAnswers;
  int sheetNamesRequests = 0;
  // Answers of the spectrum file dialog; an empty queue cancels. The choices it opened at.
  std::deque<TSpectrumFileChoice> spectrumFileAnswers;
  std::vector<TSpectrumFileChoice> spectrumFileRequests;

  TDialogServices Services();
};

inline const QString kTestExecutable = QStringLiteral("/opt/gb18306/gb18306");
inline const QString kTestTitle = QStringLiteral("gb18306");

// An application object with recorders and its constructed (hidden) main window.
struct Program {
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  Recorder recorder;
  std::unique_ptr<TApplication> application;
  TForm1* form = nullptr;
};

// The cell texts of a grid as [row][column].
std::vector<std::vector<QString>> GridRows(const TStringGrid& grid);

}  // namespace gb::test
