#include "ui/qt/Unit1.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <string>

#include "chart/ResponseChart.h"
#include "engine/DesignedInputs.h"
#include "engine/ZoningTables.h"
#include "export/ChartImage.h"
#include "form/MainFormLayout.h"
#include "form/WindowCommands.h"
#include "report/SaReadout.h"
#include "ui/qt/Anchors.h"
#include "ui/qt/Application.h"
#include "ui/qt/Button.h"
#include "ui/qt/DesignedControls.h"
#include "ui/qt/DialogServices.h"
#include "ui/qt/EventGuard.h"
#include "ui/qt/LinkLabel.h"
#include "ui/qt/QtText.h"
#include "ui/qt/StatusBar.h"
#include "ui/qt/StringGrid.h"

namespace gb {

TForm1::TForm1(TApplication& Owner) : QMainWindow(nullptr), Application(Owner) {
  CreateControls();
  CreateMenu();
  BindEvents();
  SetTabOrder();

  Form.FormCreate();

  dlgSave1->Design(kSaveReportDialog);
  CreateExportCommands();
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(Text(kMainFormTitle));
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(8);
  setFont(font);

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client_);
  anchors_ = new TAnchorLayout(client_, QSize(kClientWidth, kClientHeight));
  // Every control at its designed place with its anchors; labels take the size of their captions.
  const auto place = [this](QWidget* control) {
    const ControlDesign& design = MainFormControl(control->objectName().toStdString());
    const DesignRect& at = design.Place;
    QRect rect(at.Left, at.Top, at.Width, at.Height);
    if (design.Kind == ControlKind::Label) rect.setSize(control->sizeHint());
    anchors_->Place(control, rect, design.Anchors);
  };

  const TStatusBarControls bar = CreateStatusBar(client_);
  rzstsbr2 = bar.rzstsbr2;
  rzfldsts1 = bar.rzfldsts1;
  rzfldsts2 = bar.rzfldsts2;
  rzfldsts3 = bar.rzfldsts3;

  grp1 = NewGroup(client_, "grp1");
  grp2 = NewGroup(client_, "grp2");
  grp3 = NewGroup(client_, "grp3");
  btn3 = NewButton(client_, "btn3");
  btn4 = NewButton(client_, "btn4");
  btn1 = NewButton(client_, "btn1");
  btn2 = NewButton(client_, "btn2");

  lbl1 = NewLabel(grp1, "lbl1");
  lbl2 = NewLabel(grp1, "lbl2");
  lbl3 = NewLabel(grp1, "lbl3");
  lbl4 = NewLabel(grp1, "lbl4");
  lbl5 = NewLabel(grp1, "lbl5");
  lbl6 = NewLabel(grp1, "lbl6");
  lbl7 = NewLabel(grp1, "lbl7");
  lbl12 = NewLabel(grp1, "lbl12");
  const InputTexts& initial = kDesignedInputs;
  cbb1 = NewList(grp1, "cbb1", kPgaZoneItems, kPgaZoneCount, initial.pgaZoneIndex);
  cbb2 = NewList(grp1, "cbb2", kTgZoneItems, kTgZoneCount, initial.tgZoneIndex);
  edt1 = NewEdit(grp1, "edt1", initial.k1);
  edt2 = NewEdit(grp1, "edt2", initial.k2);
  edt3 = NewEdit(grp1, "edt3", initial.k3);
  edt4 = NewEdit(grp1, "edt4", initial.rareTgIncrement);
  edt5 = NewEdit(grp1, "edt5", initial.veryRareTgIncrement);
  edt6 = NewEdit(grp1, "edt6", initial.betaMax);

  lbl8 = NewLabel(grp2, "lbl8");
  strngrd1 = NewGrid(grp2, "strngrd1");
  lbl9 = NewLabel(grp2, "lbl9");
  strngrd2 = NewGrid(grp2, "strngrd2");
  lbl10 = NewLabel(grp2, "lbl10");
  strngrd3 = NewGrid(grp2, "strngrd3");

  lbl11 = NewLabel(grp3, "lbl11");
  cbb3 = NewList(grp3, "cbb3", kSiteClassLabels, kSiteClassCount, scII);
  cht2 = new TSpectrumChart(grp3);
  cht2->setObjectName(QStringLiteral("cht2"));
  cht2->setFocusPolicy(Qt::StrongFocus);
  // In the table's order, containers before their contents.
  for (const ControlDesign& design : kMainFormControls) {
    place(client_->findChild<QWidget*>(QString::fromLatin1(design.Name)));
  }
  CreateChartSeries();

  dlgSave1 = std::make_unique<TSaveDialog>(this, Application.Services().SaveFileName);
}

// Legend texts and colours as every exported picture of the spectra has them.
void TForm1::CreateChartSeries() {
  const auto addCurve = [this](int level) {
    const SpectrumCurveStyle curve = SpectrumCurve(level);
    return cht2->AddSeries(curve.title, curve.colour);
  };
  hrzlnsrsSeries1 = addCurve(lvFrequent);
  hrzlnsrsSeries2 = addCurve(lvBasic);
  hrzlnsrsSeries3 = addCurve(lvRare);
  hrzlnsrsSeries4 = addCurve(lvVeryRare);
  cht2->SetReader([this](double period) {
    return SpectrumChartReading(Form.Session().Plotted(), Form.Session().PlottedSiteClass(),
                                period);
  });
}

void TForm1::CreateMenu() {
  mm1 = new QMenuBar(this);
  mm1->setObjectName(QStringLiteral("mm1"));
  Fi1 = mm1->addAction(Text(kFileMenuCaption));  // its items: CreateExportCommands
  Fi1->setObjectName(QStringLiteral("Fi1"));
  About1 = mm1->addMenu(Text(kHelpMenuCaption));
  About1->setObjectName(QStringLiteral("About1"));
  About2 = About1->addAction(Text(kHelpMenuCommands[0].Caption));
  About2->setObjectName(QStringLiteral("About2"));
  Howtouse1 = About1->addAction(Text(kHelpMenuCommands[1].Caption));
  Howtouse1->setObjectName(QStringLiteral("Howtouse1"));
  setMenuBar(mm1);
  // The bar's height is known only once the style has polished it; the client area below it
  // keeps its design size.
  mm1->ensurePolished();
  const int barHeight =
      mm1->hasHeightForWidth() ? mm1->heightForWidth(kClientWidth) : mm1->sizeHint().height();
  resize(kClientWidth, kClientHeight + barHeight);
}

void TForm1::BindEvents() {
  connect(btn2, &QPushButton::clicked, this, Guarded(Application, this, btn2, &TForm1::btn2Click));
  connect(btn3, &QPushButton::clicked, this, Guarded(Application, this, btn3, &TForm1::btn3Click));
  connect(btn4, &QPushButton::clicked, this, Guarded(Application, this, btn4, &TForm1::btn4Click));
  connect(cbb3, &QComboBox::activated, this, Guarded(Application, this, cbb3, &TForm1::cbb3Change));
  connect(About2, &QAction::triggered, this,
          Guarded(Application, this, About2, &TForm1::About2Click));
  connect(Howtouse1, &QAction::triggered, this,
          Guarded(Application, this, Howtouse1, &TForm1::Howtouse1Click));
  BindMouseEvents(Application, this, rzfldsts2, &TForm1::rzfldsts2Click,
                  &TForm1::rzfldsts2MouseMove, &TForm1::rzfldsts2MouseLeave);
}

void TForm1::SetTabOrder() {
  const auto control = [this](const char* name) {
    return client_->findChild<QWidget*>(QString::fromLatin1(name));
  };
  for (std::size_t i = 1; i < std::size(kMainTabOrder); ++i) {
    setTabOrder(control(kMainTabOrder[i - 1]), control(kMainTabOrder[i]));
  }
  // The first control in tab order has the focus when the window is first activated.
  control(kMainTabOrder[0])->setFocus();
}

// The menu "文件" and the chart's context menu. Built after the designed controls and bound
// through the same guard as every other command; nothing of the designed window changes.
void TForm1::CreateExportCommands() {
  const auto add = [this](QMenu* menu, const WindowCommand& command,
                          void (TForm1::*handler)(QObject*)) {
    if (command.SeparatorBefore) menu->addSeparator();
    QAction* action = menu->addAction(Text(command.Caption));
    action->setObjectName(QString::fromLatin1(command.Name));
    action->setShortcut(command.Key == CommandKey::CtrlE   ? QKeySequence(Qt::CTRL | Qt::Key_E)
                        : command.Key == CommandKey::CtrlP ? QKeySequence(Qt::CTRL | Qt::Key_P)
                                                           : QKeySequence());
    connect(action, &QAction::triggered, this, Guarded(Application, this, action, handler));
    return action;
  };
  FileMenu1 = new QMenu(Text(kFileMenuCaption), this);
  FileMenu1->setObjectName(QStringLiteral("FileMenu1"));
  Fi1->setMenu(FileMenu1);
  // In the order of the commands' table.
  QAction** const fileActions[] = {
      &ExportSheet1,        &Print1,   &PrintPreview1,    &ExportChart1,
      &ExportSpectrumFile1, &CopyAll1, &BatchCalculation1};
  void (TForm1::*const fileHandlers[])(QObject*) = {
      &TForm1::ExportSheet1Click,        &TForm1::Print1Click,
      &TForm1::PrintPreview1Click,       &TForm1::ExportChart1Click,
      &TForm1::ExportSpectrumFile1Click, &TForm1::CopyAll1Click,
      &TForm1::BatchCalculation1Click};
  for (std::size_t i = 0; i < std::size(kFileMenuCommands); ++i) {
    *fileActions[i] = add(FileMenu1, kFileMenuCommands[i], fileHandlers[i]);
  }
  // The shortcuts work wherever the focus is in the window, menu open or not.
  addActions({ExportSheet1, Print1});

  pmChart = new QMenu(this);
  pmChart->setObjectName(QStringLiteral("pmChart"));
  CopyImage1 = add(pmChart, kChartMenuCommands[0], &TForm1::CopyImage1Click);
  SaveImage1 = add(pmChart, kChartMenuCommands[1], &TForm1::ExportChart1Click);
  connect(cht2, &TSpectrumChart::ContextMenuRequested, this, &TForm1::cht2ContextMenu);

  dlgSaveSheet = std::make_unique<TSaveDialog>(this, Application.Services().SaveFileName);
  dlgSaveSheet->Design(kSaveSheetDialog);
  dlgSaveImage = std::make_unique<TSaveDialog>(this, Application.Services().SaveFileName);
  dlgSaveImage->Design(kSaveImageDialog);
  dlgSaveBatch = std::make_unique<TSaveDialog>(this, Application.Services().SaveFileName);
  dlgSaveSpectrum = std::make_unique<TSaveDialog>(this, Application.Services().SaveFileName);
}

void TForm1::btn2Click(QObject*) { Form.btn2Click(); }
void TForm1::btn3Click(QObject*) { Form.btn3Click(); }
void TForm1::btn4Click(QObject*) { Form.btn4Click(); }
void TForm1::cbb3Change(QObject*) { Form.cbb3Change(); }
void TForm1::About2Click(QObject*) { Form.About2Click(); }
void TForm1::Howtouse1Click(QObject*) { Form.Howtouse1Click(); }
void TForm1::rzfldsts2Click(QObject*) { Form.rzfldsts2Click(); }
void TForm1::rzfldsts2MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {
  Form.rzfldsts2MouseMove();
}
void TForm1::rzfldsts2MouseLeave(QObject*) { Form.rzfldsts2MouseLeave(); }
void TForm1::ExportSheet1Click(QObject*) { Form.ExportSheet1Click(); }
void TForm1::Print1Click(QObject*) { Form.Print1Click(); }
void TForm1::PrintPreview1Click(QObject*) { Form.PrintPreview1Click(); }
void TForm1::ExportChart1Click(QObject*) { Form.ExportChart1Click(); }
void TForm1::ExportSpectrumFile1Click(QObject*) { Form.ExportSpectrumFile1Click(); }
void TForm1::CopyAll1Click(QObject*) { Form.CopyAll1Click(); }
void TForm1::CopyImage1Click(QObject*) { Form.CopyImage1Click(); }
void TForm1::BatchCalculation1Click(QObject*) { Form.BatchCalculation1Click(); }
void TForm1::cht2ContextMenu(const QPoint& GlobalPos) { pmChart->popup(GlobalPos); }

}  // namespace gb
