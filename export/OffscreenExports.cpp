#include "export/OffscreenExports.h"

#include <QDateTime>
#include <QGuiApplication>
#include <memory>

#include "chart/ResponseChart.h"
#include "export/CalculationSheet.h"
#include "export/ChartImage.h"
#include "report/ReportLines.h"

namespace gb {

namespace {

// Fonts and painting need an application object; the command line never needs a display, so it
// always takes the offscreen platform and keeps Qt's own chatter off its standard error.
class OffscreenGui {
 public:
  OffscreenGui() {
    if (QGuiApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previous_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  ~OffscreenGui() {
    app_.reset();
    if (previous_ != nullptr) qInstallMessageHandler(previous_);
  }
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  int argc_ = 1;
  char name_[12] = "gb18306-cli";
  char* argv_[2] = {name_, nullptr};
  QtMessageHandler previous_ = nullptr;
  std::unique_ptr<QGuiApplication> app_;
};

std::string Bytes(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

ExportFiles MakeExportFiles(const ExportRequest& request, const ParameterSet& p) {
  ExportFiles files;
  if (!request.sheet && !request.chartFile) return files;
  const OffscreenGui gui;
  if (request.sheet) {
    files.pdf = Bytes(CalculationSheetPdf(MakeCalculationSheet(
        p, request.siteClass,
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString(),
        request.project, request.siteName)));
  }
  if (request.chartFile) {
    ChartPlot chart;
    AddSpectrumSeries(chart);
    PlotSpectrumSeries(chart, p, request.siteClass);
    const QSize size(request.chartWidth, request.chartHeight);
    const ChartImageFormat format =
        ChartImageFormatOf(*request.chartFile).value_or(ChartImageFormat::Png);
    files.chart = Bytes(ChartImageBytes(chart, size, format));
  }
  return files;
}

}  // namespace gb
