// The main window's commands, written once for every front end: each event handler of a window
// calls the command of the same name here, which reads the controls and shows its results
// through the window's TMainFormView. The form owns the session (parameter set, plotted set, last
// complete calculation). Errors leave a command as exceptions, for the window's guard to show.
#pragma once

#include <optional>

#include "form/MainFormView.h"
#include "form/Session.h"

namespace gb {

// The notice after a command that wrote or finished something.
inline constexpr const char* kDoneNotice = "完成!";
// The main window's title.
inline constexpr const char* kMainFormTitle = "RI 18306-2015《zezevire》 zidazov (by Varnelo)";
// Before files named after the chosen one replace files that exist; the names follow.
inline constexpr const char* kReplaceFilesQuestion = "以下文件已存在, 要替换吗?";
// The progress box of the batch command.
inline constexpr const char* kBatchProgressCaption = "批量计算";

class TMainForm {
 public:
  explicit TMainForm(TMainFormView& view) : View(view) {}
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // What a new window does once its controls stand: labels the grids and runs Calculate. A
  // rejected initial text is thrown to the caller.
  void FormCreate();

  void btn2Click();   // 计算: Calculate
  void btn3Click();   // 保存数据: Save data
  void btn4Click();   // 关闭
  void cbb3Change();  // the chart's site class
  void About2Click();
  void Howtouse1Click();
  void rzfldsts2Click();  // the status bar's web link
  void rzfldsts2MouseMove();
  void rzfldsts2MouseLeave();

  // The menu 文件 and the chart's context menu.
  void ExportSheet1Click();
  void Print1Click();
  void PrintPreview1Click();
  void ExportChart1Click();  // also the context menu's 保存图像…
  void ExportSpectrumFile1Click();
  void CopyAll1Click();
  void CopyImage1Click();
  void BatchCalculation1Click();

  TFormSession& Session() { return FSession; }
  const TFormSession& Session() const { return FSession; }
  const ParameterSet& Parameters() const { return FSession.Parameters(); }

 private:
  // The site class of the chart, whose spectra the report lists and the sheet draws.
  SiteClass SiteClassShown() const;
  void ClearSpectrumSeries();
  void PlotSpectra();
  // The last complete calculation's sheet for the chart's site class; refused while the last
  // Calculate stopped short.
  CalculationSheet SheetOf(const TSheetNames& names = {}) const;

  TMainFormView& View;
  TFormSession FSession;
  TSpectrumFileChoice FSpectrumFileChoice;  // the last one, offered again
  // The format the spectrum's save dialog was last designed for: it keeps its folder and name
  // while the format stays.
  std::optional<SpectrumFileFormat> FSpectrumDialogFormat;
};

}  // namespace gb
