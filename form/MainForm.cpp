#include "form/MainForm.h"

#include <string>

#include "batch/BatchMessages.h"
#include "batch/WindowBatch.h"
#include "engine/CalculateSequence.h"
#include "engine/PlottedCurves.h"
#include "platform/SafeFileWrite.h"
#include "platform/SystemCodePage.h"
#include "report/Author.h"
#include "report/SaveReport.h"
#include "report/SpreadsheetText.h"
#include "spectrumfile/SaveSpectrumFile.h"

namespace gb {

namespace {

constexpr int kHeaderColumnWidth = 100;
constexpr ResultGrid kGrids[] = {ResultGrid::Pga, ResultGrid::Period, ResultGrid::Platform};

GridTexts GridTextsOf(const TMainFormView& view, ResultGrid grid) {
  GridTexts texts;
  for (int row = 0; row < kGridRows; ++row) {
    for (int col = 0; col < kGridColumns; ++col) texts.Cells(col, row) = view.Cell(grid, col, row);
  }
  return texts;
}

// ".png or .svg": the image names a window can write.
std::string ImageNameEndings(const std::vector<ChartImageFormat>& formats) {
  std::string endings;
  for (std::size_t i = 0; i < formats.size(); ++i) {
    if (i > 0) endings.append(i + 1 == formats.size() ? " or " : ", ");
    endings.append(formats[i] == ChartImageFormat::Svg ? ".svg" : ".png");
  }
  return endings;
}

}  // namespace

void TMainForm::FormCreate() {
  // Labelling order: column count, site-class headers, header column width, level headers.
  for (const ResultGrid grid : kGrids) {
    View.SetGridColCount(grid, kGridColumns);
    for (int s = 0; s < kSiteClassCount; ++s) View.SetCell(grid, s + 1, 0, kSiteClassLabels[s]);
    View.SetGridColWidth(grid, 0, kHeaderColumnWidth);
    for (int l = 0; l < kLevelCount; ++l) View.SetCell(grid, 0, l + 1, kLevelLabels[l]);
  }
  btn2Click();
}

// Calculate. Each parse assigns straight into its field, so a rejected text stops the command
// with everything before it stored and everything from it on untouched.
void TMainForm::btn2Click() {
  FSession.BeginCalculate(View.Now());
  ParameterSet& p = FSession.Parameters();
  std::string texts[6];
  for (int i = 0; i < 6; ++i) texts[i] = View.EditText(i);
  RunCalculate(p,
               {View.ItemIndex(TListControl::cbb1), View.ItemIndex(TListControl::cbb2), texts[0],
                texts[1], texts[2], texts[3], texts[4], texts[5]},
               [this, &p](CalculateStep step) {
                 const auto fill = [&](ResultGrid grid) {
                   FillResultGrid(grid, p, [&](int col, int row, const std::string& text) {
                     View.SetCell(grid, col, row, text);
                   });
                 };
                 switch (step) {
                   case CalculateStep::PgaGrid:
                     return fill(ResultGrid::Pga);
                   case CalculateStep::PeriodGrid:
                     return fill(ResultGrid::Period);
                   case CalculateStep::PlatformGrid:
                     return fill(ResultGrid::Platform);
                   case CalculateStep::Chart:
                     ClearSpectrumSeries();
                     return PlotSpectra();
                 }
               });
  FSession.EndCalculate();
}

// Save data: the stored inputs, the grids as they stand and the spectra of the chart's class.
void TMainForm::btn3Click() {
  const std::optional<TChosenFile> file = View.ExecuteSaveDialog(TSaveDialogId::dlgSave1, {});
  if (!file) return;
  SaveReport(
      file->Path, SystemCodePage(),
      {kPgaZoneItems[Parameters().FPgaZoneIndex], kTgZoneItems[Parameters().FTgZoneIndex],
       Parameters(), GridTextsOf(View, ResultGrid::Pga), GridTextsOf(View, ResultGrid::Period),
       GridTextsOf(View, ResultGrid::Platform), SiteClassShown()});
  View.ShowNotice(kDoneNotice);
}

void TMainForm::btn4Click() { View.Close(); }

void TMainForm::cbb3Change() {
  ClearSpectrumSeries();
  PlotSpectra();
}

void TMainForm::About2Click() { View.ShowAbout(); }

// "How to use" is the author's web site, as the status-bar link.
void TMainForm::Howtouse1Click() { rzfldsts2Click(); }

void TMainForm::rzfldsts2Click() { View.OpenWebAddress(AuthorWebAddress); }

void TMainForm::rzfldsts2MouseMove() { View.SetLinkHot(true); }

void TMainForm::rzfldsts2MouseLeave() { View.SetLinkHot(false); }

SiteClass TMainForm::SiteClassShown() const {
  return static_cast<SiteClass>(View.ItemIndex(TListControl::cbb3));
}

CalculationSheet TMainForm::SheetOf(const TSheetNames& names) const {
  const TCompletedCalculation& completed = FSession.CompletedForExport();
  return MakeCalculationSheet(completed.Parameters, View.ItemIndex(TListControl::cbb3),
                              completed.CalculatedAt, names.Project, names.Site);
}

// The sheet's names are asked for once there is a complete calculation to print: without one
// the error comes before any dialog.
void TMainForm::ExportSheet1Click() {
  FSession.CompletedForExport();
  const std::optional<TSheetNames> names = View.AskSheetNames();
  if (!names) return;
  const std::optional<TChosenFile> file = View.ExecuteSaveDialog(TSaveDialogId::dlgSaveSheet, {});
  if (!file) return;
  WriteFileSafely(file->Path, View.SheetPdfBytes(SheetOf(*names)));
  View.ShowNotice(kDoneNotice);
}

void TMainForm::Print1Click() {
  FSession.CompletedForExport();
  const std::optional<TSheetNames> names = View.AskSheetNames();
  if (names) View.PrintSheet(SheetOf(*names));
}

void TMainForm::PrintPreview1Click() {
  FSession.CompletedForExport();
  const std::optional<TSheetNames> names = View.AskSheetNames();
  if (names) View.PreviewSheet(SheetOf(*names));
}

// The image type follows the file's extension, as the dialog's chosen filter gives it.
void TMainForm::ExportChart1Click() {
  const std::optional<TChosenFile> file = View.ExecuteSaveDialog(TSaveDialogId::dlgSaveImage, {});
  if (!file) return;
  const std::vector<ChartImageFormat> formats = View.ChartImageFormats();
  const std::optional<ChartImageFormat> format = ChartImageFormatOf(file->Name);
  bool known = false;
  for (const ChartImageFormat f : formats) known = known || (format && *format == f);
  if (!known) {
    throw Exception("Cannot save \"" + file->Name + "\": an image name ends in " +
                    ImageNameEndings(formats));
  }
  WriteFileSafely(file->Path, View.ChartImageBytes(*format));
  View.ShowNotice(kDoneNotice);
}

// 文件 → 导出反应谱函数…: the spectrum as an analysis program's function file, of the last
// complete calculation, for one level or for all four (a file each, the level in its name).
void TMainForm::ExportSpectrumFile1Click() {
  const TCompletedCalculation& completed = FSession.CompletedForExport();
  TSpectrumFileChoice initial = FSpectrumFileChoice;
  initial.Site = SiteClassShown();
  const std::optional<TSpectrumFileChoice> choice = View.AskSpectrumFileChoice(initial);
  if (!choice) return;
  FSpectrumFileChoice = *choice;
  TSaveRequest request;
  if (FSpectrumDialogFormat != choice->Format) {
    request.Design = &kSpectrumFileDialogs[static_cast<int>(choice->Format)];
    FSpectrumDialogFormat = choice->Format;
  }
  const std::optional<TChosenFile> file =
      View.ExecuteSaveDialog(TSaveDialogId::dlgSaveSpectrum, request);
  if (!file) return;
  const ParameterSet& p = completed.Parameters;
  const std::string codePage = SystemCodePage();
  const auto bytes = [&](Level level) {
    return SpectrumFileBytes(
        choice->Format,
        {kPgaZoneItems[p.FPgaZoneIndex], kTgZoneItems[p.FTgZoneIndex], p, level, choice->Site},
        codePage);
  };
  std::vector<std::filesystem::path> paths;
  std::vector<std::string> contents;
  if (choice->AllLevels && HoldsOneLevel(choice->Format)) {
    for (const Level level : kLevels) {
      paths.push_back(LevelFilePath(file->Path, level));
      contents.push_back(bytes(level));
    }
  } else {
    paths.push_back(file->Path);
    contents.push_back(bytes(choice->SpectrumLevel));
  }
  // The save dialog asked about the name chosen, not about the four files named after it.
  if (paths.size() > 1) {
    std::string existing;
    for (const std::filesystem::path& path : paths) {
      std::error_code ignored;
      if (!std::filesystem::exists(path, ignored)) continue;
      const std::u8string name = path.filename().u8string();
      existing.append("\n").append(name.begin(), name.end());
    }
    if (!existing.empty() && !View.Confirm(kReplaceFilesQuestion + existing)) return;
  }
  std::vector<FileToWrite> files;
  for (std::size_t i = 0; i < paths.size(); ++i) files.push_back({paths[i], contents[i]});
  // All or nothing: every file is complete beside its target before the first replaces one.
  WriteFilesSafely(files);
  View.ShowNotice(kDoneNotice);
}

void TMainForm::CopyAll1Click() {
  const CalculationSheet sheet = SheetOf();
  View.CopyText(AllResultsText(sheet.inputs, sheet.grids));
}

void TMainForm::CopyImage1Click() { View.CopyChartImage(); }

// 文件 → 批量计算…: many sites from a CSV file, the window's factors as the defaults.
void TMainForm::BatchCalculation1Click() {
  const std::optional<TChosenFile> input = View.AskOpenFileName(kBatchDialog);
  if (!input) return;
  TSaveRequest request;
  request.Design = &kBatchDialog;
  request.Beside = &*input;
  request.FileName = ResultFileName(input->Name);
  const std::optional<TChosenFile> output =
      View.ExecuteSaveDialog(TSaveDialogId::dlgSaveBatch, request);
  if (!output) return;

  BatchSettings settings;
  settings.outputCodePage = SystemCodePage();
  for (int i = biK1; i < kBatchInputCount; ++i) settings.defaults[i] = View.EditText(i - biK1);
  settings.siteClass = View.ItemIndex(TListControl::cbb3);

  WindowBatchOutcome outcome;
  {
    const std::unique_ptr<TProgressView> progress = View.BeginProgress(kBatchProgressCaption);
    outcome = RunWindowBatch(input->Path, output->Path, settings,
                             [&](const std::string& text) { return progress->Update(text); });
  }
  if (outcome.kind == WindowBatchOutcome::Kind::Problem) {
    View.ShowError(Exception(outcome.message));
  } else if (outcome.kind == WindowBatchOutcome::Kind::Done) {
    View.ShowNotice(kDoneNotice);
  }
}

void TMainForm::ClearSpectrumSeries() { View.ClearSpectra(); }

void TMainForm::PlotSpectra() {
  const SiteClass siteClass = SiteClassShown();
  FSession.RecordPlot(siteClass);
  ForEachSpectrumPoint(Parameters(), siteClass, [this](int level, double period, double sa) {
    View.AddSpectrumPoint(level, period, sa);
  });
}

}  // namespace gb
