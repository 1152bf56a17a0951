// The main window as the view of the main form: the form's commands read and show through it.
// One declaration for both windows; ui/qt/Unit1View.cpp and ui/win32/Unit1View.cpp implement it
// over their own TForm1, TApplication and TStringGrid.
#pragma once

#include "form/MainFormView.h"

namespace gb {

class TApplication;
class TForm1;
class TStringGrid;

class TForm1View : public TMainFormView {
 public:
  TForm1View(TForm1& form, TApplication& application);

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
  // The Windows window prints the sheet; a PDF of it and a preview are the Qt window's.
  std::string SheetPdfBytes(const CalculationSheet& sheet) override;
  void PrintSheet(const CalculationSheet& sheet) override;
  void PreviewSheet(const CalculationSheet& sheet) override;
  void CopyText(const std::string& text) override;
  void OpenWebAddress(const std::string& address) override;
  void SetLinkHot(bool hot) override;
  void Close() override;
  std::string Now() const override;

 private:
  TStringGrid& Grid(ResultGrid grid) const;

  TForm1& F;
  TApplication& Application;
};

}  // namespace gb
