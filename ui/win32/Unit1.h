// The main window on Windows: the eight inputs, the three result grids, the spectrum chart, the
// buttons, the status bar and the menu, built from the designed control table: a view of the main
// form, whose commands its event handlers run.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "form/MainForm.h"
#include "form/MainFormLayout.h"
#include "ui/Unit1View.h"
#include "ui/win32/Application.h"
#include "ui/win32/Chart.h"
#include "ui/win32/SaveDialog.h"
#include "ui/win32/StatusBar.h"
#include "ui/win32/StringGrid.h"

namespace gb {

class TForm1 : public TWinForm {
 public:
  // Builds the window hidden, labels the grids and runs Calculate once. A rejected initial text
  // (a decimal separator other than the full stop) is thrown to the caller, and no window stays.
  explicit TForm1(TApplication& Owner);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  HWND Handle() const override { return Form1; }
  HACCEL Accelerators() const override { return accelerators_; }

  // Commands.
  void btn2Click(HWND Sender);  // Calculate
  void btn3Click(HWND Sender);  // Save data
  void btn4Click(HWND Sender);  // Close
  void cbb3Change(HWND Sender);
  void About2Click(HWND Sender);
  void Howtouse1Click(HWND Sender);
  void rzfldsts2Click(HWND Sender);
  void rzfldsts2MouseMove(HWND Sender, int X, int Y);
  void rzfldsts2MouseLeave(HWND Sender);
  void CopyAll1Click(HWND Sender);             // inputs and tables as spreadsheet text
  void ExportChart1Click(HWND Sender);         // the chart as a PNG image
  void ExportSpectrumFile1Click(HWND Sender);  // the spectrum for an analysis program
  void CopyImage1Click(HWND Sender);           // the chart image on the clipboard
  void BatchCalculation1Click(HWND Sender);    // many sites from a CSV file
  void Print1Click(HWND Sender);               // the calculation sheet on a printer
  void cht2ContextMenu(POINT ScreenPos);

  const ParameterSet& Parameters() const { return Form.Parameters(); }

  HWND Form1 = nullptr;
  HMENU mm1 = nullptr, Fi1 = nullptr, About1 = nullptr;
  HMENU pmChart = nullptr;  // the chart's context menu
  std::unique_ptr<TRzStatusBar> rzstsbr2;
  HWND grp1 = nullptr, grp2 = nullptr, grp3 = nullptr;
  HWND lbl1 = nullptr, lbl2 = nullptr, lbl3 = nullptr, lbl4 = nullptr, lbl5 = nullptr,
       lbl6 = nullptr, lbl7 = nullptr, lbl8 = nullptr, lbl9 = nullptr, lbl10 = nullptr,
       lbl11 = nullptr, lbl12 = nullptr;
  HWND cbb1 = nullptr, cbb2 = nullptr, cbb3 = nullptr;
  HWND edt1 = nullptr, edt2 = nullptr, edt3 = nullptr, edt4 = nullptr, edt5 = nullptr,
       edt6 = nullptr;
  std::unique_ptr<TStringGrid> strngrd1, strngrd2, strngrd3;
  std::unique_ptr<TChart> cht2;
  TChartSeries *hrzlnsrsSeries1 = nullptr, *hrzlnsrsSeries2 = nullptr, *hrzlnsrsSeries3 = nullptr,
               *hrzlnsrsSeries4 = nullptr;
  HWND btn1 = nullptr, btn2 = nullptr, btn3 = nullptr, btn4 = nullptr;
  TSaveDialog dlgSave1;
  TSaveDialog dlgSaveImage;
  TSaveDialog dlgSaveBatch;
  TSaveDialog dlgSaveSpectrum;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void CreateWindowAndMenu();
  void CreateControls();
  void CreateChartSeries();
  void SetTabOrder();
  void PlaceControls();
  void Command(int id, HWND control);
  HWND Control(const char* name) const;

  TApplication& Application;

 public:
  // What the form reads and shows through, and the form: the commands, and the parameter set,
  // the plotted set and the last complete calculation.
  TForm1View View{*this, Application};
  TMainForm Form{View};

 private:
  std::map<std::string, HWND> controls_;
  std::map<std::string, SIZE> labelSizes_;
  HWND focused_ = nullptr;  // the control that had the focus when the window was deactivated
  HACCEL accelerators_ = nullptr;
};

}  // namespace gb
