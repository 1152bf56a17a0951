// The main window as the form's view: what each command asks of the controls, the dialogs, the
// clipboard, the printer and the clock, in Qt calls.
#include "ui/Unit1View.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>

#include "export/CalculationSheet.h"
#include "export/ChartImage.h"
#include "platform/SafeFileWrite.h"
#include "ui/qt/AboutCommands.h"
#include "ui/qt/Application.h"
#include "ui/qt/EventGuard.h"
#include "ui/qt/LinkLabel.h"
#include "ui/qt/QtText.h"
#include "ui/qt/StatusBar.h"
#include "ui/qt/StringGrid.h"
#include "ui/qt/Unit1.h"

namespace gb {

TForm1View::TForm1View(TForm1& form, TApplication& application)
    : F(form), Application(application) {}

int TForm1View::ItemIndex(TListControl list) const {
  const QComboBox* const lists[] = {F.cbb1, F.cbb2, F.cbb3};
  return lists[static_cast<int>(list)]->currentIndex();
}

std::string TForm1View::EditText(int edit) const {
  const QLineEdit* const edits[] = {F.edt1, F.edt2, F.edt3, F.edt4, F.edt5, F.edt6};
  return edits[edit]->text().toStdString();
}

TStringGrid& TForm1View::Grid(ResultGrid grid) const {
  TStringGrid* const grids[] = {F.strngrd1, F.strngrd2, F.strngrd3};
  return *grids[static_cast<int>(grid)];
}

void TForm1View::SetGridColCount(ResultGrid grid, int count) { Grid(grid).SetColCount(count); }

void TForm1View::SetGridColWidth(ResultGrid grid, int col, int width) {
  Grid(grid).SetColWidths(col, width);
}

void TForm1View::SetCell(ResultGrid grid, int col, int row, const std::string& text) {
  Grid(grid).Cells(col, row) = Text(text);
}

std::string TForm1View::Cell(ResultGrid grid, int col, int row) const {
  const TStringGrid& shown = Grid(grid);
  return shown.Cells(col, row).toStdString();
}

void TForm1View::ClearSpectra() {
  F.hrzlnsrsSeries1->Clear();
  F.hrzlnsrsSeries2->Clear();
  F.hrzlnsrsSeries3->Clear();
  F.hrzlnsrsSeries4->Clear();
}

void TForm1View::AddSpectrumPoint(int level, double period, double sa) {
  TSpectrumSeries* const series[] = {F.hrzlnsrsSeries1, F.hrzlnsrsSeries2, F.hrzlnsrsSeries3,
                                     F.hrzlnsrsSeries4};
  series[level]->AddXY(period, sa);
}

namespace {

QSize ChartImagePixels(const TSpectrumChart& chart) {
  return ToQSize(ChartImagePixels(ToChartSize(chart.size())));
}

std::string Utf8(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// A printer for the sheet: its A4 page and the document's name.
void PrepareSheetPrinter(QPrinter& printer) {
  PrepareSheetPages(printer);
  printer.setDocName(Text(kSheetTitle));
}

TChosenFile Chosen(const QString& name) { return {FileSystemPath(name), name.toStdString()}; }

class TQtProgress : public TProgressView {
 public:
  explicit TQtProgress(std::unique_ptr<TProgressDisplay> display) : display_(std::move(display)) {}
  bool Update(const std::string& text) override {
    return display_->Update(QString::fromStdString(text));
  }

 private:
  std::unique_ptr<TProgressDisplay> display_;
};

}  // namespace

std::vector<ChartImageFormat> TForm1View::ChartImageFormats() const {
  return {ChartImageFormat::Png, ChartImageFormat::Svg};
}

std::string TForm1View::ChartImageBytes(ChartImageFormat format) {
  const QSize pixels = ChartImagePixels(*F.cht2);
  return Utf8(format == ChartImageFormat::Svg
                  ? ChartSvgBytes(F.cht2->Plot(), pixels, kChartImageScale)
                  : ChartPngBytes(F.cht2->Plot(), pixels, kChartImageScale));
}

void TForm1View::CopyChartImage() {
  QImage image = ChartImage(F.cht2->Plot(), ChartImagePixels(*F.cht2), kChartImageScale);
  image.setDevicePixelRatio(1);
  QGuiApplication::clipboard()->setImage(image);
}

std::optional<TChosenFile> TForm1View::ExecuteSaveDialog(TSaveDialogId dialog,
                                                         const TSaveRequest& request) {
  TSaveDialog* const dialogs[] = {F.dlgSave1.get(), F.dlgSaveSheet.get(), F.dlgSaveImage.get(),
                                  F.dlgSaveBatch.get(), F.dlgSaveSpectrum.get()};
  TSaveDialog& save = *dialogs[static_cast<int>(dialog)];
  if (request.Design != nullptr) save.Design(*request.Design);
  if (request.Beside != nullptr) {
    save.InitialDir = QFileInfo(QString::fromStdString(request.Beside->Name)).absolutePath();
  }
  if (!request.FileName.empty()) save.FileName = Text(request.FileName);
  if (!save.Execute()) return std::nullopt;
  return Chosen(save.FileName);
}

std::optional<TChosenFile> TForm1View::AskOpenFileName(const FileDialogDesign& design) {
  const std::optional<QString> name = Application.Services().OpenFileName(&F, Text(design.Filter));
  if (!name) return std::nullopt;
  return Chosen(*name);
}

std::optional<TSpectrumFileChoice> TForm1View::AskSpectrumFileChoice(
    const TSpectrumFileChoice& initial) {
  return Application.Services().SpectrumFileChoice(&F, initial);
}

std::optional<TSheetNames> TForm1View::AskSheetNames() {
  return Application.Services().SheetNames(&F);
}

void TForm1View::ShowNotice(const std::string& text) { Application.ShowNotice(Text(text)); }

void TForm1View::ShowError(const Exception& error) { Application.ShowException(error); }

bool TForm1View::Confirm(const std::string& text) {
  return Application.MessageBox(Text(text), Application.Title, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::unique_ptr<TProgressView> TForm1View::BeginProgress(const std::string& caption) {
  return std::make_unique<TQtProgress>(Application.Services().Progress(&F, Text(caption)));
}

void TForm1View::ShowAbout() { ShowAboutBox(&F, Application); }

std::string TForm1View::SheetPdfBytes(const CalculationSheet& sheet) {
  return Utf8(CalculationSheetPdf(sheet));
}

void TForm1View::PrintSheet(const CalculationSheet& sheet) {
  QPrinter printer(QPrinter::HighResolution);
  PrepareSheetPrinter(printer);
  if (!Application.Services().PrintDialog(&F, printer)) return;
  if (PaintCalculationSheet(printer, sheet) == 0) {
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

void TForm1View::PreviewSheet(const CalculationSheet& sheet) {
  QPrinter printer(QPrinter::HighResolution);
  PrepareSheetPrinter(printer);
  // The preview asks for the pages from inside Qt's own event handling: the guard keeps any
  // error from unwinding through it.
  Application.Services().PrintPreview(&F, printer, [this, &sheet](QPrinter& target) {
    Dispatch(Application, F.PrintPreview1, [&] { PaintCalculationSheet(target, sheet); });
  });
}

void TForm1View::CopyText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TForm1View::OpenWebAddress(const std::string& address) {
  const auto& open = Application.Services().OpenWebAddress;
  if (open) open(Text(address));
}

void TForm1View::SetLinkHot(bool hot) {
  SetLinkState(*F.rzfldsts2, hot ? TLinkState::Hot : TLinkState::Normal);
}

void TForm1View::Close() { F.close(); }

std::string TForm1View::Now() const {
  return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

}  // namespace gb
