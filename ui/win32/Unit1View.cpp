// The main window as the form's view: what each command asks of the controls, the dialogs, the
// clipboard, the printer and the clock, in Win32 calls.
#include "ui/win32/Unit1.h"

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

int TForm1::ItemIndex(TListControl list) const {
  const HWND lists[] = {cbb1, cbb2, cbb3};
  return static_cast<int>(SendMessageW(lists[static_cast<int>(list)], CB_GETCURSEL, 0, 0));
}

std::string TForm1::EditText(int edit) const {
  const HWND edits[] = {edt1, edt2, edt3, edt4, edt5, edt6};
  return TextOf(edits[edit]);
}

TStringGrid& TForm1::Grid(ResultGrid grid) const {
  TStringGrid* const grids[] = {strngrd1.get(), strngrd2.get(), strngrd3.get()};
  return *grids[static_cast<int>(grid)];
}

void TForm1::SetGridColCount(ResultGrid grid, int count) { Grid(grid).SetColCount(count); }

void TForm1::SetGridColWidth(ResultGrid grid, int col, int width) {
  Grid(grid).SetColWidths(col, width);
}

void TForm1::SetCell(ResultGrid grid, int col, int row, const std::string& text) {
  TStringGrid& shown = Grid(grid);
  shown.Cells(col, row) = text;
  shown.Invalidate();
}

std::string TForm1::Cell(ResultGrid grid, int col, int row) const {
  const TStringGrid& shown = Grid(grid);
  return shown.Cells(col, row);
}

void TForm1::ClearSpectra() {
  hrzlnsrsSeries1->Clear();
  hrzlnsrsSeries2->Clear();
  hrzlnsrsSeries3->Clear();
  hrzlnsrsSeries4->Clear();
}

void TForm1::AddSpectrumPoint(int level, double period, double sa) {
  TChartSeries* const series[] = {hrzlnsrsSeries1, hrzlnsrsSeries2, hrzlnsrsSeries3,
                                  hrzlnsrsSeries4};
  series[level]->AddXY(period, sa);
}

// GDI draws the chart: PNG only.
std::vector<ChartImageFormat> TForm1::ChartImageFormats() const { return {ChartImageFormat::Png}; }

std::string TForm1::ChartImageBytes(ChartImageFormat) {
  return ChartPngBytes(cht2->Plot(), ChartImageSize(*cht2), kChartImageScale);
}

void TForm1::CopyChartImage() {
  gb::CopyChartImage(Form1, cht2->Plot(), ChartImageSize(*cht2), kChartImageScale);
}

std::optional<TChosenFile> TForm1::ExecuteSaveDialog(TSaveDialogId dialog,
                                                     const TSaveRequest& request) {
  // The sheet is printed here, never saved: its dialog is the image's, which is never asked for.
  TSaveDialog* const dialogs[] = {&dlgSave1, &dlgSaveImage, &dlgSaveImage, &dlgSaveBatch};
  TSaveDialog& save = *dialogs[static_cast<int>(dialog)];
  if (request.Design != nullptr) save.Design(*request.Design);
  if (request.Beside != nullptr) save.InitialDir = request.Beside->Path.parent_path().wstring();
  if (!request.FileName.empty()) save.FileName = WideFromUtf8(request.FileName);
  if (!save.Execute(Form1)) return std::nullopt;
  return Chosen(save.FileName);
}

std::optional<TChosenFile> TForm1::AskOpenFileName(const FileDialogDesign& design) {
  const std::optional<std::wstring> name = gb::AskOpenFileName(Form1, design);
  if (!name) return std::nullopt;
  return Chosen(*name);
}

std::optional<TSheetNames> TForm1::AskSheetNames() { return gb::AskSheetNames(Application, Form1); }

void TForm1::ShowNotice(const std::string& text) { Application.ShowNotice(WideFromUtf8(text)); }

void TForm1::ShowError(const Exception& error) { Application.ShowException(error); }

std::unique_ptr<TProgressView> TForm1::BeginProgress(const std::string& caption) {
  return std::make_unique<TWin32Progress>(Application, Form1, caption);
}

void TForm1::ShowAbout() { ShowAboutBox(Application, Form1); }

std::string TForm1::SheetPdfBytes(const CalculationSheet&) {
  throw Exception("The calculation sheet as PDF is not built into this program");
}

void TForm1::PrintSheet(const CalculationSheet& sheet) { PrintCalculationSheet(Form1, sheet); }

void TForm1::PreviewSheet(const CalculationSheet&) {
  throw Exception("The print preview is not built into this program");
}

void TForm1::CopyText(const std::string& text) { SetClipboardText(Form1, text); }

void TForm1::OpenWebAddress(const std::string& address) {
  // The result is not examined: a system without a browser simply shows nothing.
  ShellExecuteW(Form1, L"open", WideFromUtf8(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::SetLinkHot(bool hot) {
  rzstsbr2->SetLinkState(rzstsbr2->Pane("rzfldsts2"), hot ? TLinkState::Hot : TLinkState::Normal);
}

void TForm1::Close() { PostMessageW(Form1, WM_CLOSE, 0, 0); }

// "yyyy-MM-dd HH:mm:ss" of the local time now.
std::string TForm1::Now() const {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay,
                t.wHour, t.wMinute, t.wSecond);
  return text;
}

}  // namespace gb
