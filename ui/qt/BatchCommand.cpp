// 文件 → "批量计算…": many sites from a CSV file, with the window's factors as the defaults.
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "batch/BatchMessages.h"
#include "batch/WindowBatch.h"
#include "platform/SystemCodePage.h"
#include "ui/qt/Application.h"
#include "ui/qt/DialogServices.h"
#include "ui/qt/Unit1.h"

namespace gb {

namespace {

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

std::filesystem::path FileName(const QString& name) {
  return QFile::encodeName(name).toStdString();
}

}  // namespace

void TForm1::BatchCalculation1Click(QObject* Sender) {
  (void)Sender;
  const std::optional<QString> input =
      Application.Services().OpenFileName(this, QString::fromUtf8(kBatchDialog.Filter));
  if (!input) return;
  dlgSaveBatch->Design(kBatchDialog);
  dlgSaveBatch->InitialDir = QFileInfo(*input).absolutePath();
  dlgSaveBatch->FileName = QString::fromUtf8(ResultFileName(Utf8(*input)));
  if (!dlgSaveBatch->Execute()) return;

  BatchSettings settings;
  settings.outputCodePage = SystemCodePage();
  const QLineEdit* const factors[] = {edt1, edt2, edt3, edt4, edt5, edt6};
  for (int i = biK1; i < kBatchInputCount; ++i)
    settings.defaults[i] = Utf8(factors[i - biK1]->text());
  settings.siteClass = cbb3->currentIndex();

  std::unique_ptr<TProgressDisplay> progress =
      Application.Services().Progress(this, QString::fromUtf8("批量计算"));
  const WindowBatchOutcome outcome = RunWindowBatch(
      FileName(*input), FileName(dlgSaveBatch->FileName), settings,
      [&](const std::string& text) { return progress->Update(QString::fromStdString(text)); });
  progress.reset();
  if (outcome.kind == WindowBatchOutcome::Kind::Problem) {
    Application.ShowException(Exception(outcome.message));
  } else if (outcome.kind == WindowBatchOutcome::Kind::Done) {
    Application.ShowNotice(QString::fromUtf8("完成!"));
  }
}

}  // namespace gb
