// What the main form asks of a window: its controls' states, the grids' and the chart's contents,
// dialogs, boxes, the clipboard, a printer and the clock. Each window implements it with its
// toolkit; the tests with a fake that records every call. Texts are UTF-8.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/ImageFormat.h"
#include "form/WindowCommands.h"
#include "report/ResultGridTexts.h"
#include "sheet/CalculationSheet.h"
#include "spectrumfile/SpectrumFile.h"
#include "text/Errors.h"

namespace gb {

// The window's lists by their designer names: basic peak acceleration, period zone, the chart's
// site class.
enum class TListControl { cbb1, cbb2, cbb3 };

// The save dialogs, each keeping its own folder and name between uses.
enum class TSaveDialogId { dlgSave1, dlgSaveSheet, dlgSaveImage, dlgSaveBatch, dlgSaveSpectrum };

// A file the user chose: the name to open it by, and the name to show in a message.
struct TChosenFile {
  std::filesystem::path Path;
  std::string Name;
};

// How a save dialog opens this time; what is left empty stays as the dialog has it.
struct TSaveRequest {
  const FileDialogDesign* Design = nullptr;  // designed again before it opens
  const TChosenFile* Beside = nullptr;       // open in this file's folder
  std::string FileName;                      // the name offered
};

// The names a calculation sheet prints.
struct TSheetNames {
  std::string Project;
  std::string Site;
};

// What a spectrum function file holds: the format, the level or all four, the site class.
struct TSpectrumFileChoice {
  SpectrumFileFormat Format = SpectrumFileFormat::Sgs;
  Level SpectrumLevel = lvBasic;
  bool AllLevels = false;  // a file each; not for CSV, which holds the four
  SiteClass Site = scII;
};

// A progress box; false from Update when the user asked to stop. It closes when destroyed.
class TProgressView {
 public:
  virtual ~TProgressView() = default;
  virtual bool Update(const std::string& text) = 0;
};

class TMainFormView {
 public:
  virtual ~TMainFormView() = default;

  // The inputs.
  virtual int ItemIndex(TListControl list) const = 0;
  virtual std::string EditText(int edit) const = 0;  // 0..5: edt1..edt6

  // The result grids, strngrd1..strngrd3 in the order of ResultGrid.
  virtual void SetGridColCount(ResultGrid grid, int count) = 0;
  virtual void SetGridColWidth(ResultGrid grid, int col, int width) = 0;
  virtual void SetCell(ResultGrid grid, int col, int row, const std::string& text) = 0;
  virtual std::string Cell(ResultGrid grid, int col, int row) const = 0;

  // The chart's four curves, hrzlnsrsSeries1..4 in level order.
  virtual void ClearSpectra() = 0;
  virtual void AddSpectrumPoint(int level, double period, double sa) = 0;
  // The chart as an image file of `format`, twice its size on screen; and the formats it has.
  virtual std::vector<ChartImageFormat> ChartImageFormats() const = 0;
  virtual std::string ChartImageBytes(ChartImageFormat format) = 0;
  virtual void CopyChartImage() = 0;

  // Dialogs and boxes. A cancelled dialog gives nothing.
  virtual std::optional<TChosenFile> ExecuteSaveDialog(TSaveDialogId dialog,
                                                       const TSaveRequest& request) = 0;
  virtual std::optional<TChosenFile> AskOpenFileName(const FileDialogDesign& design) = 0;
  virtual std::optional<TSheetNames> AskSheetNames() = 0;
  // The spectrum file dialog, opened at `initial`.
  virtual std::optional<TSpectrumFileChoice> AskSpectrumFileChoice(
      const TSpectrumFileChoice& initial) = 0;
  virtual void ShowNotice(const std::string& text) = 0;
  virtual void ShowError(const Exception& error) = 0;
  // A yes-or-no question in a box; true for yes.
  virtual bool Confirm(const std::string& text) = 0;
  virtual std::unique_ptr<TProgressView> BeginProgress(const std::string& caption) = 0;
  virtual void ShowAbout() = 0;

  // The calculation sheet: its PDF, on a printer (the print dialog first), previewed.
  virtual std::string SheetPdfBytes(const CalculationSheet& sheet) = 0;
  virtual void PrintSheet(const CalculationSheet& sheet) = 0;
  virtual void PreviewSheet(const CalculationSheet& sheet) = 0;

  // The rest of the world.
  virtual void CopyText(const std::string& text) = 0;
  virtual void OpenWebAddress(const std::string& address) = 0;
  virtual void SetLinkHot(bool hot) = 0;  // the status bar's web link under the mouse
  virtual void Close() = 0;
  // The local time, "yyyy-MM-dd HH:mm:ss".
  virtual std::string Now() const = 0;
};

}  // namespace gb
