// The page as the view of the main form: the controls, boxes and downloads of a browser, reached
// through the page's functions (PageCalls.h). A browser's dialogs cannot hold a command up until
// the user answers, so a command that asks for names or a choice is refused the first time, the
// page opens its dialog, and the command runs again with the answer given beforehand.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "form/MainFormView.h"
#include "ui/web/WebChart.h"

namespace gb {

// The folder of the module's files that are handed to the user when a command ends.
inline constexpr const char* kDownloadFolder = "/download";

// The dialogs of the page, as gb_page_ask numbers them.
enum class TPageDialog { SheetNames, SpectrumFileChoice };

class TWebView : public TMainFormView {
 public:
  explicit TWebView(TWebChart& chart, std::filesystem::path downloads = kDownloadFolder)
      : Chart(chart), FDownloads(std::move(downloads)) {}

  // The answer the next AskSheetNames or AskSpectrumFileChoice gives.
  void AnswerSheetNames(TSheetNames names) { FSheetNames = std::move(names); }
  void AnswerSpectrumFileChoice(TSpectrumFileChoice choice) { FSpectrumChoice = choice; }
  // Hands every file a command wrote to the user, then forgets it; answers not asked for lapse.
  void EndCommand();

  int ItemIndex(TListControl list) const override;
  std::string EditText(int edit) const override;
  void SetGridColCount(ResultGrid grid, int count) override;
  void SetGridColWidth(ResultGrid grid, int col, int width) override;
  void SetCell(ResultGrid grid, int col, int row, const std::string& text) override;
  std::string Cell(ResultGrid grid, int col, int row) const override;
  void ClearSpectra() override;
  void AddSpectrumPoint(int level, double period, double sa) override;
  std::vector<ChartImageFormat> ChartImageFormats() const override;
  std::string ChartImageBytes(ChartImageFormat format) override;
  void CopyChartImage() override;
  std::optional<TChosenFile> ExecuteSaveDialog(TSaveDialogId dialog,
                                               const TSaveRequest& request) override;
  std::optional<TChosenFile> AskOpenFileName(const FileDialogDesign& design) override;
  std::optional<TSheetNames> AskSheetNames() override;
  std::optional<TSpectrumFileChoice> AskSpectrumFileChoice(
      const TSpectrumFileChoice& initial) override;
  void ShowNotice(const std::string& text) override;
  void ShowError(const Exception& error) override;
  bool Confirm(const std::string& text) override;
  std::unique_ptr<TProgressView> BeginProgress(const std::string& caption) override;
  void ShowAbout() override;
  // A page has no PDF writer: the sheet is a print view, which the browser prints or saves as PDF.
  std::string SheetPdfBytes(const CalculationSheet& sheet) override;
  void PrintSheet(const CalculationSheet& sheet) override;
  void PreviewSheet(const CalculationSheet& sheet) override;
  void CopyText(const std::string& text) override;
  void OpenWebAddress(const std::string& address) override;
  void SetLinkHot(bool hot) override;
  void Close() override;
  std::string Now() const override;

 private:
  TWebChart& Chart;
  std::filesystem::path FDownloads;
  // The grids' texts as last set, so the form reads back what it wrote without asking the page.
  std::string FCells[3][kGridColumns][kGridRows];
  std::optional<TSheetNames> FSheetNames;
  std::optional<TSpectrumFileChoice> FSpectrumChoice;
  // The name each save dialog offered last, kept like a dialog keeps it.
  std::string FFileNames[5];
};

}  // namespace gb
