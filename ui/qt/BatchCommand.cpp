// 文件 → "批量计算…": many sites from a CSV file, with the window's factors as the defaults.
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <cerrno>
#include <fstream>

#include "batch/BatchErrors.h"
#include "batch/BatchMessages.h"
#include "batch/RunBatch.h"
#include "platform/SafeFileWrite.h"
#include "platform/SystemCodePage.h"
#include "ui/qt/Application.h"
#include "ui/qt/DialogServices.h"
#include "ui/qt/Unit1.h"

namespace gb {

namespace {

const char* const kCsvFilter = "CSV(逗号分隔)(*.csv)|*.csv|所有文件(*)|*";

// Thrown through the safe write when the user cancels, so no results file is left.
struct BatchCancelled {};

// Rows done on the progress dialog; the failed rows are summed up at the end instead.
class ProgressObserver : public BatchObserver {
 public:
  ProgressObserver(TProgressDisplay& display, long long totalBytes)
      : display_(display), totalBytes_(totalBytes) {}
  void RowFailed(long long, const std::string&) override {}
  void TextLost(long long, const std::string&) override {}
  bool Progress(long long rows, long long bytesRead) override {
    return display_.Update(QString::fromStdString(BatchProgressText(rows, bytesRead, totalBytes_)));
  }

 private:
  TProgressDisplay& display_;
  long long totalBytes_;
};

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

std::string FileName(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace

void TForm1::BatchCalculation1Click(QObject* Sender) {
  (void)Sender;
  const std::optional<QString> input =
      Application.Services().OpenFileName(this, QString::fromUtf8(kCsvFilter));
  if (!input) return;
  dlgSaveBatch->Filter = QString::fromUtf8(kCsvFilter);
  dlgSaveBatch->DefaultExt = QStringLiteral("csv");
  dlgSaveBatch->InitialDir = QFileInfo(*input).absolutePath();
  dlgSaveBatch->FileName = QString::fromUtf8(ResultFileName(Utf8(*input)));
  if (!dlgSaveBatch->Execute()) return;

  BatchSettings settings;
  settings.outputCodePage = SystemCodePage();
  const QLineEdit* const factors[] = {edt1, edt2, edt3, edt4, edt5, edt6};
  for (int i = biK1; i < kBatchInputCount; ++i)
    settings.defaults[i] = Utf8(factors[i - biK1]->text());
  settings.siteClass = cbb3->currentIndex();

  std::ifstream in(FileName(*input), std::ios::binary);
  if (!in) throw Exception(CannotOpenInputText(FileName(*input), errno));
  std::unique_ptr<TProgressDisplay> progress =
      Application.Services().Progress(this, QString::fromUtf8("批量计算"));
  ProgressObserver observer(*progress, QFileInfo(*input).size());
  BatchSummary summary;
  try {
    WriteFileSafelyFrom(FileName(dlgSaveBatch->FileName), [&](const auto& put) {
      summary = RunBatch(in, settings, put, observer);
      if (summary.cancelled) throw BatchCancelled();
    });
  } catch (const BatchCancelled&) {
    return;
  } catch (const EBatchFormat& e) {
    std::string message = "第 ";
    throw Exception(message.append(std::to_string(e.Line())).append(" 行: ").append(e.Message()));
  }
  progress.reset();
  if (summary.failedRows > 0) {
    Application.ShowException(Exception(FailedRowsText(summary)));
  } else if (summary.rowsWithLostText > 0) {
    Application.ShowException(Exception(LostTextRowsText(summary, settings.outputCodePage)));
  } else {
    Application.ShowNotice(QString::fromUtf8("完成!"));
  }
}

}  // namespace gb
