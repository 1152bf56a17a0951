#include "UiTestSupport.h"

#include <QPrinter>

#include "ui/qt/StringGrid.h"

namespace gb::test {

TDialogServices Recorder::Services() {
  TDialogServices services;
  services.MessageBox = [this](QWidget*, const QString& text, const QString& caption, int flags) {
    errorBoxes.push_back({text, caption, flags});
    return IDOK;
  };
  services.Notice = [this](QWidget*, const QString& text, const QString& caption) {
    notices.push_back({text, caption, 0});
  };
  services.SaveFileName = [this](QWidget*, const TSaveDialogRequest& request) {
    saveRequests.push_back(request);
    if (saveAnswers.empty()) return std::optional<QString>();
    const QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return std::optional<QString>(answer);
  };
  services.OpenWebAddress = [this](const QString& address) { openedAddresses.push_back(address); };
  services.PrintDialog = [this](QWidget*, QPrinter& printer) {
    ++printDialogs;
    if (printToFile.isEmpty()) return false;
    printer.setOutputFileName(printToFile);
    printedPageSize = printer.pageLayout().pageSize().id();
    return true;
  };
  services.PrintPreview = [this](QWidget*, QPrinter& printer,
                                 const std::function<void(QPrinter&)>& paint) {
    ++printPreviews;
    if (printToFile.isEmpty()) return;
    printer.setOutputFileName(printToFile);
    paint(printer);
  };
  services.OpenFileName = [this](QWidget*, const QString& filter) {
    openFilters.push_back(filter);
    if (openAnswers.empty()) return std::optional<QString>();
    const QString answer = openAnswers.front();
    openAnswers.pop_front();
    return std::optional<QString>(answer);
  };
  services.Progress = [this](QWidget*, const QString& title) -> std::unique_ptr<TProgressDisplay> {
    progressTitles.push_back(title);
    struct Progress : TProgressDisplay {
      Recorder* recorder;
      bool Update(const QString& text) override {
        recorder->progressTexts.push_back(text);
        return recorder->cancelAfterUpdates < 0 ||
               static_cast<int>(recorder->progressTexts.size()) < recorder->cancelAfterUpdates;
      }
    };
    auto progress = std::make_unique<Progress>();
    progress->recorder = this;
    return progress;
  };
  services.SheetNames = [this](QWidget*) {
    ++sheetNamesRequests;
    if (sheetNamesAnswers.empty()) return std::optional<TSheetNames>(TSheetNames{});
    const std::optional<TSheetNames> answer = sheetNamesAnswers.front();
    sheetNamesAnswers.pop_front();
    return answer;
  };
  services.SpectrumFileChoice = [this](QWidget*, const TSpectrumFileChoice& initial) {
    spectrumFileRequests.push_back(initial);
    if (spectrumFileAnswers.empty()) return std::optional<TSpectrumFileChoice>();
    const TSpectrumFileChoice answer = spectrumFileAnswers.front();
    spectrumFileAnswers.pop_front();
    return std::optional<TSpectrumFileChoice>(answer);
  };
  return services;
}

Program::Program()
    : application(std::make_unique<TApplication>(kTestExecutable, recorder.Services())) {
  application->Initialize();
  form = application->CreateForm<TForm1>();
}

Program::~Program() = default;

std::vector<std::vector<QString>> GridRows(const TStringGrid& grid) {
  std::vector<std::vector<QString>> rows;
  for (int row = 0; row < grid.RowCount(); ++row) {
    std::vector<QString>& cells = rows.emplace_back();
    for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cells(col, row));
  }
  return rows;
}

}  // namespace gb::test
