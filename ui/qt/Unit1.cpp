#include "ui/qt/Unit1.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <filesystem>
#include <limits>
#include <string>

#include "chart/ResponseChart.h"
#include "engine/CalculateSequence.h"
#include "engine/DesignResponse.h"
#include "engine/DesignedInputs.h"
#include "engine/ZoningTables.h"
#include "export/CalculationSheet.h"
#include "export/ChartImage.h"
#include "form/MainFormLayout.h"
#include "form/SpectrumSeries.h"
#include "form/WindowCommands.h"
#include "platform/SafeFileWrite.h"
#include "platform/SystemCodePage.h"
#include "report/ResultGridTexts.h"
#include "report/SaReadout.h"
#include "report/SaveReport.h"
#include "report/SpreadsheetText.h"
#include "ui/qt/AboutCommands.h"
#include "ui/qt/Anchors.h"
#include "ui/qt/Application.h"
#include "ui/qt/Button.h"
#include "ui/qt/DialogServices.h"
#include "ui/qt/EventGuard.h"
#include "ui/qt/LinkLabel.h"
#include "ui/qt/StatusBar.h"
#include "ui/qt/StringGrid.h"

namespace gb {

namespace {

constexpr int kHeaderColumnWidth = 100;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Labelling order: column count, site-class headers, header column width, level headers.
void LabelGrid(TStringGrid& grid) {
  grid.SetColCount(kGridColumns);
  for (int s = 0; s < kSiteClassCount; ++s) grid.Cells(s + 1, 0) = Text(kSiteClassLabels[s]);
  grid.SetColWidths(0, kHeaderColumnWidth);
  for (int l = 0; l < kLevelCount; ++l) grid.Cells(0, l + 1) = Text(kLevelLabels[l]);
}

void FillGrid(TStringGrid& grid, ResultGrid values, const ParameterSet& p) {
  gb::FillResultGrid(values, p, [&grid](int col, int row, const std::string& text) {
    grid.Cells(col, row) = QString::fromStdString(text);
  });
}

// The grid's texts exactly as they stand, header cells and the empty corner included.
GridTexts GridTextsOf(const TStringGrid& grid) {
  GridTexts texts;
  for (int row = 0; row < kGridRows; ++row) {
    for (int col = 0; col < kGridColumns; ++col) {
      texts.Cells(col, row) = grid.Cells(col, row).toStdString();
    }
  }
  return texts;
}

std::filesystem::path FileSystemPath(const QString& name) {
  return std::filesystem::path(QFile::encodeName(name).toStdString());
}

// Captions as the design table gives them.
QString Caption(const char* objectName) { return Text(MainFormControl(objectName).Caption); }

QLabel* NewLabel(QWidget* parent, const char* objectName) {
  auto* label = new QLabel(Caption(objectName), parent);
  label->setObjectName(QString::fromLatin1(objectName));
  return label;
}

QComboBox* NewList(QWidget* parent, const char* objectName, const char* const* items, int count,
                   int selected) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(objectName));
  list->setEditable(false);
  for (int i = 0; i < count; ++i) list->addItem(Text(items[i]));
  list->setCurrentIndex(selected);
  return list;
}

QLineEdit* NewEdit(QWidget* parent, const char* objectName, std::string_view text) {
  auto* edit = new QLineEdit(Text(text), parent);
  edit->setObjectName(QString::fromLatin1(objectName));
  edit->setMaxLength(std::numeric_limits<int>::max());
  return edit;
}

TButton* NewButton(QWidget* parent, const char* objectName) {
  auto* button = new TButton(Caption(objectName), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  return button;
}

QGroupBox* NewGroup(QWidget* parent, const char* objectName) {
  auto* group = new QGroupBox(Caption(objectName), parent);
  group->setObjectName(QString::fromLatin1(objectName));
  return group;
}

TStringGrid* NewGrid(QWidget* parent, const char* objectName) {
  auto* grid = new TStringGrid(parent);
  grid->setObjectName(QString::fromLatin1(objectName));
  return grid;
}

}  // namespace

TForm1::TForm1(TApplication& Owner) : QMainWindow(nullptr), Application(Owner) {
  CreateControls();
  CreateMenu();
  BindEvents();
  SetTabOrder();

  LabelGrid(*strngrd1);
  LabelGrid(*strngrd2);
  LabelGrid(*strngrd3);

  btn2Click(this);

  dlgSave1->Design(kSaveReportDialog);
  CreateExportCommands();
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(Text("RI 18306-2015《zezevire》 zidazov (by Varnelo)"));
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
    return SpectrumChartReading(FSession.Plotted(), FSession.PlottedSiteClass(), period);
  });
}

void TForm1::CreateMenu() {
  mm1 = new QMenuBar(this);
  mm1->setObjectName(QStringLiteral("mm1"));
  Fi1 = mm1->addAction(Text("文件"));  // its items: CreateExportCommands
  Fi1->setObjectName(QStringLiteral("Fi1"));
  About1 = mm1->addMenu(Text("帮助"));
  About1->setObjectName(QStringLiteral("About1"));
  About2 = About1->addAction(Text("关于"));
  About2->setObjectName(QStringLiteral("About2"));
  Howtouse1 = About1->addAction(Text("如何使用?"));
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

// Calculate. Each parse assigns straight into its field, so a rejected text stops the command
// with everything before it stored and everything from it on untouched.
void TForm1::btn2Click(QObject* Sender) {
  (void)Sender;
  FSession.BeginCalculate(
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString());
  ParameterSet& p = FSession.Parameters();
  const QLineEdit* const edits[] = {edt1, edt2, edt3, edt4, edt5, edt6};
  std::string texts[std::size(edits)];
  for (std::size_t i = 0; i < std::size(edits); ++i) texts[i] = edits[i]->text().toStdString();
  RunCalculate(p,
               {cbb1->currentIndex(), cbb2->currentIndex(), texts[0], texts[1], texts[2], texts[3],
                texts[4], texts[5]},
               [this, &p](CalculateStep step) {
                 switch (step) {
                   case CalculateStep::PgaGrid:
                     return FillGrid(*strngrd1, ResultGrid::Pga, p);
                   case CalculateStep::PeriodGrid:
                     return FillGrid(*strngrd2, ResultGrid::Period, p);
                   case CalculateStep::PlatformGrid:
                     return FillGrid(*strngrd3, ResultGrid::Platform, p);
                   case CalculateStep::Chart:
                     ClearSpectrumSeries();
                     return PlotSpectra();
                 }
               });
  FSession.EndCalculate();
}

// Save data: the stored inputs, the grids as they stand and the spectra of the chart's class.
void TForm1::btn3Click(QObject* Sender) {
  (void)Sender;
  if (!dlgSave1->Execute()) return;
  const int siteClass = cbb3->currentIndex();
  SaveReport(FileSystemPath(dlgSave1->FileName), SystemCodePage(),
             cbb1->itemText(Parameters().FPgaZoneIndex).toStdString(),
             cbb2->itemText(Parameters().FTgZoneIndex).toStdString(), Parameters(),
             GridTextsOf(*strngrd1), GridTextsOf(*strngrd2), GridTextsOf(*strngrd3), siteClass);
  Application.ShowNotice(Text("完成!"));
}

void TForm1::btn4Click(QObject* Sender) {
  (void)Sender;
  close();
}

void TForm1::cbb3Change(QObject* Sender) {
  (void)Sender;
  ClearSpectrumSeries();
  PlotSpectra();
}

void TForm1::About2Click(QObject* Sender) {
  (void)Sender;
  ShowAboutBox(this, Application);
}

void TForm1::rzfldsts2Click(QObject* Sender) {
  (void)Sender;
  OpenAuthorWebAddress(Application);
}

void TForm1::rzfldsts2MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y) {
  (void)Sender, (void)Shift, (void)X, (void)Y;
  SetLinkState(*rzfldsts2, TLinkState::Hot);
}

void TForm1::rzfldsts2MouseLeave(QObject* Sender) {
  (void)Sender;
  SetLinkState(*rzfldsts2, TLinkState::Normal);
}

// "How to use" is the author's web site, as the status-bar link.
void TForm1::Howtouse1Click(QObject* Sender) { rzfldsts2Click(Sender); }

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
  QAction** const fileActions[] = {&ExportSheet1, &Print1,   &PrintPreview1,
                                   &ExportChart1, &CopyAll1, &BatchCalculation1};
  void (TForm1::*const fileHandlers[])(QObject*) = {
      &TForm1::ExportSheet1Click, &TForm1::Print1Click,   &TForm1::PrintPreview1Click,
      &TForm1::ExportChart1Click, &TForm1::CopyAll1Click, &TForm1::BatchCalculation1Click};
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
}

namespace {

QSize ChartImagePixels(const TSpectrumChart& chart) {
  return ToQSize(ChartImagePixels(ToChartSize(chart.size())));
}

std::string Utf8(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// The last complete calculation's sheet, for the chart's site class.
CalculationSheet SheetOf(const TForm1& form, const TSheetNames& names = {}) {
  const TCompletedCalculation& completed = form.FSession.CompletedForExport();
  return MakeCalculationSheet(completed.Parameters, form.cbb3->currentIndex(),
                              completed.CalculatedAt, names.Project.toStdString(),
                              names.Site.toStdString());
}

// A printer for the sheet: its A4 page and the document's name.
void PrepareSheetPrinter(QPrinter& printer) {
  PrepareSheetPages(printer);
  printer.setDocName(Text("地震动参数计算书"));
}

}  // namespace

// The names the sheet prints, asked for once there is a complete calculation to print (refused
// before any dialog opens otherwise); nothing when the user cancels.
std::optional<TSheetNames> TForm1::AskSheetNames() {
  SheetOf(*this);
  return Application.Services().SheetNames(this);
}

void TForm1::ExportSheet1Click(QObject* Sender) {
  (void)Sender;
  const std::optional<TSheetNames> names = AskSheetNames();
  if (!names || !dlgSaveSheet->Execute()) return;
  WriteFileSafely(FileSystemPath(dlgSaveSheet->FileName),
                  Utf8(CalculationSheetPdf(SheetOf(*this, *names))));
  Application.ShowNotice(Text("完成!"));
}

void TForm1::Print1Click(QObject* Sender) {
  (void)Sender;
  const std::optional<TSheetNames> names = AskSheetNames();
  if (!names) return;
  QPrinter printer(QPrinter::HighResolution);
  PrepareSheetPrinter(printer);
  if (!Application.Services().PrintDialog(this, printer)) return;
  if (PaintCalculationSheet(printer, SheetOf(*this, *names)) == 0) {
    throw Exception("The printer did not accept the calculation sheet");
  }
  // "Print to file" makes a PDF: it gets what an exported sheet gets.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    QFile file(printer.outputFileName());
    if (!file.open(QIODevice::ReadOnly)) return;
    QByteArray pdf = file.readAll();
    file.close();
    FinishSheetPdf(pdf);
    WriteFileSafely(FileSystemPath(printer.outputFileName()), Utf8(pdf));
  }
}

void TForm1::PrintPreview1Click(QObject* Sender) {
  const std::optional<TSheetNames> names = AskSheetNames();
  if (!names) return;
  QPrinter printer(QPrinter::HighResolution);
  PrepareSheetPrinter(printer);
  // The preview asks for the pages from inside Qt's own event handling: the guard keeps any
  // error from unwinding through it.
  Application.Services().PrintPreview(this, printer, [this, Sender, &names](QPrinter& target) {
    Dispatch(Application, Sender, [&] { PaintCalculationSheet(target, SheetOf(*this, *names)); });
  });
}

// The image type follows the file's extension, as the dialog's chosen filter gives it.
void TForm1::ExportChart1Click(QObject* Sender) {
  (void)Sender;
  if (!dlgSaveImage->Execute()) return;
  const QString name = dlgSaveImage->FileName;
  const std::optional<ChartImageFormat> format = ChartImageFormatOf(name.toStdString());
  if (!format) {
    throw Exception("Cannot save \"" + name.toStdString() +
                    "\": an image name ends in .png or .svg");
  }
  const QSize pixels = ChartImagePixels(*cht2);
  const QByteArray bytes = *format == ChartImageFormat::Svg
                               ? ChartSvgBytes(cht2->Plot(), pixels, kChartImageScale)
                               : ChartPngBytes(cht2->Plot(), pixels, kChartImageScale);
  WriteFileSafely(FileSystemPath(name), Utf8(bytes));
  Application.ShowNotice(Text("完成!"));
}

void TForm1::CopyAll1Click(QObject* Sender) {
  (void)Sender;
  const CalculationSheet sheet = SheetOf(*this);
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(AllResultsText(sheet.inputs, sheet.grids)));
}

void TForm1::CopyImage1Click(QObject* Sender) {
  (void)Sender;
  QImage image = ChartImage(cht2->Plot(), ChartImagePixels(*cht2), kChartImageScale);
  image.setDevicePixelRatio(1);
  QGuiApplication::clipboard()->setImage(image);
}

void TForm1::cht2ContextMenu(const QPoint& GlobalPos) { pmChart->popup(GlobalPos); }

void TForm1::ClearSpectrumSeries() {
  hrzlnsrsSeries1->Clear();
  hrzlnsrsSeries2->Clear();
  hrzlnsrsSeries3->Clear();
  hrzlnsrsSeries4->Clear();
}

void TForm1::PlotSpectra() {
  const int siteClass = cbb3->currentIndex();
  FSession.RecordPlot(siteClass);
  TSpectrumSeries* const series[kLevelCount] = {hrzlnsrsSeries1, hrzlnsrsSeries2, hrzlnsrsSeries3,
                                                hrzlnsrsSeries4};
  AddSpectrumPoints(series, Parameters(), siteClass);
}

}  // namespace gb
