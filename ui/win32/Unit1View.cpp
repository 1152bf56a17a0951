// The main window as the form's view: what each command asks of the controls, the dialogs, the
// clipboard, the printer and the clock, in Win32 calls.
#include "ui/Unit1View.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>

#include "platform/win32/WideText.h"
#include "ui/win32/AboutBox.h"
#include "ui/win32/ChartImage.h"
#include "ui/win32/Clipboard.h"
#include "ui/win32/ProgressWindow.h"
#include "ui/win32/SheetNamesDialog.h"
#include "ui/win32/SheetPrinter.h"
#include "ui/win32/SpectrumFileDialog.h"
#include "ui/win32/Unit1.h"

namespace gb {

namespace {

std::string TextOf(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return Utf8FromWide(text);
}

ChartSize ChartImageSize(const TChart& chart) {
  RECT client{};
  GetClientRect(chart.Handle(), &client);
  return ChartImagePixels({client.right, client.bottom});
}

TChosenFile Chosen(const std::wstring& name) {
  return {std::filesystem::path(name), Utf8FromWide(name)};
}

class TWin32Progress : public TProgressView {
 public:
  TWin32Progress(TApplication& application, HWND owner, const std::string& caption)
      : window_(application, owner, WideFromUtf8(caption)) {}
  bool Update(const std::string& text) override { return window_.Update(text); }

 private:
  TProgressWindow window_;
};

}  // namespace

TForm1View::TForm1View(TForm1& form, TApplication& application)
    : F(form), Application(application) {}

int TForm1View::ItemIndex(TListControl list) const {
  const HWND lists[] = {F.cbb1, F.cbb2, F.cbb3};
  return static_cast<int>(SendMessageW(lists[static_cast<int>(list)], CB_GETCURSEL, 0, 0));
}

std::string TForm1View::EditText(int edit) const {
  const HWND edits[] = {F.edt1, F.edt2, F.edt3, F.edt4, F.edt5, F.edt6};
  return TextOf(edits[edit]);
}

TStringGrid& TForm1View::Grid(ResultGrid grid) const {
  TStringGrid* const grids[] = {F.strngrd1.get(), F.strngrd2.get(), F.strngrd3.get()};
  return *grids[static_cast<int>(grid)];
}

void TForm1View::SetGridColCount(ResultGrid grid, int count) { Grid(grid).SetColCount(count); }

void TForm1View::SetGridColWidth(ResultGrid grid, int col, int width) {
  Grid(grid).SetColWidths(col, width);
}

void TForm1View::SetCell(ResultGrid grid, int col, int row, const std::string& text) {
  TStringGrid& shown = Grid(grid);
  shown.Cells(col, row) = text;
  shown.Invalidate();
}

std::string TForm1View::Cell(ResultGrid grid, int col, int row) const {
  const TStringGrid& shown = Grid(grid);
  return shown.Cells(col, row);
}

void TForm1View::ClearSpectra() {
  F.hrzlnsrsSeries1->Clear();
  F.hrzlnsrsSeries2->Clear();
  F.hrzlnsrsSeries3->Clear();
  F.hrzlnsrsSeries4->Clear();
}

void TForm1View::AddSpectrumPoint(int level, double period, double sa) {
  TChartSeries* const series[] = {F.hrzlnsrsSeries1, F.hrzlnsrsSeries2, F.hrzlnsrsSeries3,
                                  F.hrzlnsrsSeries4};
  series[level]->AddXY(period, sa);
}

// GDI draws the chart: PNG only.
std::vector<ChartImageFormat> TForm1View::ChartImageFormats() const {
  return {ChartImageFormat::Png};
}

std::string TForm1View::ChartImageBytes(ChartImageFormat) {
  return ChartPngBytes(F.cht2->Plot(), ChartImageSize(*F.cht2), kChartImageScale);
}

void TForm1View::CopyChartImage() {
  gb::CopyChartImage(F.Form1, F.cht2->Plot(), ChartImageSize(*F.cht2), kChartImageScale);
}

std::optional<TChosenFile> TForm1View::ExecuteSaveDialog(TSaveDialogId dialog,
                                                         const TSaveRequest& request) {
  // The sheet is printed here, never saved: its dialog is the image's, which is never asked for.
  TSaveDialog* const dialogs[] = {&F.dlgSave1, &F.dlgSaveImage, &F.dlgSaveImage, &F.dlgSaveBatch,
                                  &F.dlgSaveSpectrum};
  TSaveDialog& save = *dialogs[static_cast<int>(dialog)];
  if (request.Design != nullptr) save.Design(*request.Design);
  if (request.Beside != nullptr) save.InitialDir = request.Beside->Path.parent_path().wstring();
  if (!request.FileName.empty()) save.FileName = WideFromUtf8(request.FileName);
  if (!save.Execute(F.Form1)) return std::nullopt;
  return Chosen(save.FileName);
}

std::optional<TChosenFile> TForm1View::AskOpenFileName(const FileDialogDesign& design) {
  const std::optional<std::wstring> name = gb::AskOpenFileName(F.Form1, design);
  if (!name) return std::nullopt;
  return Chosen(*name);
}

std::optional<TSpectrumFileChoice> TForm1View::AskSpectrumFileChoice(
    const TSpectrumFileChoice& initial) {
  return gb::AskSpectrumFileChoice(Application, F.Form1, initial);
}

std::optional<TSheetNames> TForm1View::AskSheetNames() {
  return gb::AskSheetNames(Application, F.Form1);
}

void TForm1View::ShowNotice(const std::string& text) { Application.ShowNotice(WideFromUtf8(text)); }

void TForm1View::ShowError(const Exception& error) { Application.ShowException(error); }

bool TForm1View::Confirm(const std::string& text) {
  return Application.MessageBox(WideFromUtf8(text), Application.Title,
                                MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

std::unique_ptr<TProgressView> TForm1View::BeginProgress(const std::string& caption) {
  return std::make_unique<TWin32Progress>(Application, F.Form1, caption);
}

void TForm1View::ShowAbout() { ShowAboutBox(Application, F.Form1); }

std::string TForm1View::SheetPdfBytes(const CalculationSheet&) {
  throw Exception("The calculation sheet as PDF is not built into this program");
}

void TForm1View::PrintSheet(const CalculationSheet& sheet) {
  PrintCalculationSheet(F.Form1, sheet);
}

void TForm1View::PreviewSheet(const CalculationSheet&) {
  throw Exception("The print preview is not built into this program");
}

void TForm1View::CopyText(const std::string& text) { SetClipboardText(F.Form1, text); }

void TForm1View::OpenWebAddress(const std::string& address) {
  // The result is not examined: a system without a browser simply shows nothing.
  ShellExecuteW(F.Form1, L"open", WideFromUtf8(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1View::SetLinkHot(bool hot) {
  F.rzstsbr2->SetLinkState(F.rzstsbr2->Pane("rzfldsts2"),
                           hot ? TLinkState::Hot : TLinkState::Normal);
}

void TForm1View::Close() { PostMessageW(F.Form1, WM_CLOSE, 0, 0); }

// "yyyy-MM-dd HH:mm:ss" of the local time now.
std::string TForm1View::Now() const {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay,
                t.wHour, t.wMinute, t.wSecond);
  return text;
}

}  // namespace gb
