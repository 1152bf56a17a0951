// The main window: the eight inputs, the three result grids, the spectrum chart and the buttons,
// and the parameter set the Calculate command fills.
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <memory>
#include <optional>

#include "engine/ParameterSet.h"
#include "form/MainForm.h"
#include "form/MainFormLayout.h"
#include "ui/Unit1View.h"
#include "ui/qt/Button.h"
#include "ui/qt/DialogServices.h"
#include "ui/qt/chart/TChart.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;

namespace gb {

class TAnchorLayout;
class TRzFieldStatus;
class TRzStatusBar;
class TApplication;
class TSaveDialog;
class TStringGrid;

// The chart component the spectra are drawn into; the only place that names it.
using TSpectrumChart = ::TChart;
using TSpectrumSeries = ::TChartSeries;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = kMainClientWidth;
  static constexpr int kClientHeight = kMainClientHeight;

  // Builds the window hidden, labels the grids and runs Calculate once. A rejected initial text
  // (a decimal separator other than the full stop) is thrown to the caller. Each event handler
  // runs the form's command of the same name.
  explicit TForm1(TApplication& Owner);
  ~TForm1() override;

  // Commands.
  void btn2Click(QObject* Sender);  // Calculate
  void btn3Click(QObject* Sender);  // Save data
  void btn4Click(QObject* Sender);  // Close
  void cbb3Change(QObject* Sender);
  void About2Click(QObject* Sender);
  void Howtouse1Click(QObject* Sender);
  void rzfldsts2Click(QObject* Sender);
  void rzfldsts2MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
  void rzfldsts2MouseLeave(QObject* Sender);
  // Results that leave the window.
  void ExportSheet1Click(QObject* Sender);         // calculation sheet as PDF
  void Print1Click(QObject* Sender);               // calculation sheet on a printer
  void PrintPreview1Click(QObject* Sender);        // the same, previewed first
  void ExportChart1Click(QObject* Sender);         // chart image, PNG or SVG
  void ExportSpectrumFile1Click(QObject* Sender);  // the spectrum for an analysis program
  void CopyAll1Click(QObject* Sender);             // inputs and tables as spreadsheet text
  void CopyImage1Click(QObject* Sender);           // chart image on the clipboard
  void cht2ContextMenu(const QPoint& GlobalPos);
  void BatchCalculation1Click(QObject* Sender);  // many sites from a CSV file

  const ParameterSet& Parameters() const { return Form.Parameters(); }
  // Everything below the menu bar.
  QWidget* ClientArea() const { return client_; }

  QMenuBar* mm1;
  QAction* Fi1;
  QMenu* FileMenu1;
  QAction* ExportSheet1;
  QAction* Print1;
  QAction* PrintPreview1;
  QAction* ExportChart1;
  QAction* ExportSpectrumFile1;
  QAction* CopyAll1;
  QAction* BatchCalculation1;
  QMenu* pmChart;  // the chart's context menu
  QAction* CopyImage1;
  QAction* SaveImage1;
  QMenu* About1;
  QAction* About2;
  QAction* Howtouse1;

  TRzStatusBar* rzstsbr2;
  TRzFieldStatus* rzfldsts1;
  TRzFieldStatus* rzfldsts2;
  TRzFieldStatus* rzfldsts3;

  QGroupBox* grp1;
  QLabel* lbl1;
  QLabel* lbl2;
  QLabel* lbl3;
  QLabel* lbl4;
  QLabel* lbl5;
  QLabel* lbl6;
  QLabel* lbl7;
  QLabel* lbl12;
  QComboBox* cbb1;
  QComboBox* cbb2;
  QLineEdit* edt1;
  QLineEdit* edt2;
  QLineEdit* edt3;
  QLineEdit* edt4;
  QLineEdit* edt5;
  QLineEdit* edt6;

  QGroupBox* grp2;
  QLabel* lbl8;
  QLabel* lbl9;
  QLabel* lbl10;
  TStringGrid* strngrd1;
  TStringGrid* strngrd2;
  TStringGrid* strngrd3;

  QGroupBox* grp3;
  QLabel* lbl11;
  QComboBox* cbb3;
  TSpectrumChart* cht2;
  TSpectrumSeries* hrzlnsrsSeries1;
  TSpectrumSeries* hrzlnsrsSeries2;
  TSpectrumSeries* hrzlnsrsSeries3;
  TSpectrumSeries* hrzlnsrsSeries4;

  TButton* btn1;
  TButton* btn2;
  TButton* btn3;
  TButton* btn4;

  std::unique_ptr<TSaveDialog> dlgSave1;
  std::unique_ptr<TSaveDialog> dlgSaveSheet;
  std::unique_ptr<TSaveDialog> dlgSaveImage;
  std::unique_ptr<TSaveDialog> dlgSaveBatch;
  std::unique_ptr<TSaveDialog> dlgSaveSpectrum;

 private:
  TApplication& Application;

 public:
  // What the form reads and shows through, and the form: the commands, and the parameter set,
  // the plotted set and the last complete calculation.
  TForm1View View{*this, Application};
  TMainForm Form{View};
  TFormSession& FSession = Form.Session();

 private:
  void CreateControls();
  void CreateChartSeries();
  void CreateMenu();
  void BindEvents();
  void SetTabOrder();
  void CreateExportCommands();

  QWidget* client_;
  TAnchorLayout* anchors_;
};

}  // namespace gb
