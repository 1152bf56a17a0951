#include "ui/web/WebView.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>

#include "form/AboutContent.h"
#include "form/WindowCommands.h"
#include "text/ErrorText.h"
#include "ui/web/PageCalls.h"
#include "ui/web/SheetView.h"

namespace gb {

namespace {

// A text the page handed over, freed once copied.
std::string Taken(char* text) {
  const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
  return text != nullptr ? std::string(text) : std::string();
}

// The name a save dialog of `design` offers, with its extension.
std::string OfferedName(const FileDialogDesign& design) {
  std::string name = design.FileName;
  if (std::filesystem::path(name).extension().empty()) name.append(".").append(design.DefaultExt);
  return name;
}

const FileDialogDesign& DesignOf(TSaveDialogId dialog) {
  switch (dialog) {
    case TSaveDialogId::dlgSave1:
      return kSaveReportDialog;
    case TSaveDialogId::dlgSaveSheet:
      return kSaveSheetDialog;
    case TSaveDialogId::dlgSaveImage:
      return kSavePngImageDialog;
    case TSaveDialogId::dlgSaveBatch:
      return kBatchDialog;
    case TSaveDialogId::dlgSaveSpectrum:
      break;
  }
  return kSpectrumFileDialogs[0];
}

class TNoProgress : public TProgressView {
 public:
  bool Update(const std::string&) override { return true; }
};

}  // namespace

void TWebView::EndCommand() {
  FSheetNames.reset();
  FSpectrumChoice.reset();
  std::error_code error;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(FDownloads, error)) {
    files.push_back(entry.path());
  }
  for (const std::filesystem::path& path : files) {
    gb_page_deliver(path.c_str(), path.filename().c_str());
    std::filesystem::remove(path, error);
  }
}

int TWebView::ItemIndex(TListControl list) const {
  return gb_page_item_index(static_cast<int>(list));
}

std::string TWebView::EditText(int edit) const { return Taken(gb_page_edit_text(edit)); }

// The page's tables have the grids' fixed size from the start.
void TWebView::SetGridColCount(ResultGrid, int) {}

void TWebView::SetGridColWidth(ResultGrid grid, int col, int width) {
  gb_page_set_col_width(static_cast<int>(grid), col, width);
}

void TWebView::SetCell(ResultGrid grid, int col, int row, const std::string& text) {
  FCells[static_cast<int>(grid)][col][row] = text;
  gb_page_set_cell(static_cast<int>(grid), col, row, text.c_str());
}

std::string TWebView::Cell(ResultGrid grid, int col, int row) const {
  return FCells[static_cast<int>(grid)][col][row];
}

void TWebView::ClearSpectra() {
  for (int level = 0; level < Chart.Plot().SeriesCount(); ++level) {
    Chart.Plot().Series(level)->Clear();
  }
}

void TWebView::AddSpectrumPoint(int level, double period, double sa) {
  Chart.Plot().Series(level)->AddXY(period, sa);
}

std::vector<ChartImageFormat> TWebView::ChartImageFormats() const {
  return {ChartImageFormat::Png};
}

std::string TWebView::ChartImageBytes(ChartImageFormat) { return Chart.ImagePng(); }

void TWebView::CopyChartImage() {
  const std::string png = Chart.ImagePng();
  gb_page_copy_png(reinterpret_cast<const std::uint8_t*>(png.data()), static_cast<int>(png.size()));
}

// The download takes the name offered; the browser asks where to put it, if it is set to.
std::optional<TChosenFile> TWebView::ExecuteSaveDialog(TSaveDialogId dialog,
                                                       const TSaveRequest& request) {
  std::string& name = FFileNames[static_cast<int>(dialog)];
  if (request.Design != nullptr) {
    name = OfferedName(*request.Design);
  } else if (name.empty()) {
    name = OfferedName(DesignOf(dialog));
  }
  if (!request.FileName.empty()) name = request.FileName;
  std::filesystem::create_directories(FDownloads);
  return TChosenFile{FDownloads / name, name};
}

// The batch reads its file in a worker of its own (WebBatch.cpp), not through the form.
std::optional<TChosenFile> TWebView::AskOpenFileName(const FileDialogDesign&) {
  return std::nullopt;
}

std::optional<TSheetNames> TWebView::AskSheetNames() {
  if (FSheetNames) return std::exchange(FSheetNames, std::nullopt);
  gb_page_ask(static_cast<int>(TPageDialog::SheetNames), "{}");
  return std::nullopt;
}

std::optional<TSpectrumFileChoice> TWebView::AskSpectrumFileChoice(
    const TSpectrumFileChoice& initial) {
  if (FSpectrumChoice) return std::exchange(FSpectrumChoice, std::nullopt);
  std::string json = "{\"format\":";
  json.append(std::to_string(static_cast<int>(initial.Format)))
      .append(",\"level\":")
      .append(std::to_string(static_cast<int>(initial.SpectrumLevel)))
      .append(",\"all\":")
      .append(initial.AllLevels ? "true" : "false")
      .append(",\"site\":")
      .append(std::to_string(static_cast<int>(initial.Site)))
      .append("}");
  gb_page_ask(static_cast<int>(TPageDialog::SpectrumFileChoice), json.c_str());
  return std::nullopt;
}

void TWebView::ShowNotice(const std::string& text) { gb_page_show_box(text.c_str(), 0); }

void TWebView::ShowError(const Exception& error) {
  gb_page_show_box(ErrorBoxText(error.Message()).c_str(), 1);
}

// Downloads never replace a file: the folder is emptied after every command.
bool TWebView::Confirm(const std::string&) { return true; }

std::unique_ptr<TProgressView> TWebView::BeginProgress(const std::string&) {
  return std::make_unique<TNoProgress>();
}

void TWebView::ShowAbout() {
  std::string text = kAboutCaption;
  for (const AboutItem& item : AboutBoxItems()) {
    if (!item.Text.empty()) text.append("\n").append(item.Text);
  }
  gb_page_show_box(text.c_str(), 0);
}

std::string TWebView::SheetPdfBytes(const CalculationSheet&) {
  throw Exception(
      "A page has no PDF writer: print the calculation sheet and choose \"Save as PDF\"");
}

namespace {

void ShowSheet(const CalculationSheet& sheet, bool print) {
  const TSheetView view = LayOutSheetView(sheet);
  gb_page_show_sheet(view.json.c_str(), reinterpret_cast<const std::uint8_t*>(view.chartPng.data()),
                     static_cast<int>(view.chartPng.size()), print ? 1 : 0);
}

}  // namespace

void TWebView::PrintSheet(const CalculationSheet& sheet) { ShowSheet(sheet, true); }

void TWebView::PreviewSheet(const CalculationSheet& sheet) { ShowSheet(sheet, false); }

void TWebView::CopyText(const std::string& text) { gb_page_copy_text(text.c_str()); }

void TWebView::OpenWebAddress(const std::string& address) { gb_page_open_address(address.c_str()); }

// The page's link shows its own hover state.
void TWebView::SetLinkHot(bool) {}

// A page is closed by its tab.
void TWebView::Close() {}

std::string TWebView::Now() const { return Taken(gb_page_now()); }

}  // namespace gb
