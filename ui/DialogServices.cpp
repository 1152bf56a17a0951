#include "ui/DialogServices.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <utility>

#include "platform/ShellOpen.h"

namespace gb {

namespace {

int SystemMessageBox(QWidget* owner, const QString& text, const QString& caption, int flags) {
  QMessageBox box(owner);
  box.setIcon((flags & MB_ICONSTOP) ? QMessageBox::Critical : QMessageBox::NoIcon);
  box.setWindowTitle(caption);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setStandardButtons(QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return IDOK;
}

void SystemNotice(QWidget* owner, const QString& text, const QString& caption) {
  QMessageBox box(owner);
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(caption);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

std::optional<QString> SystemSaveFileName(QWidget* owner, const TSaveDialogRequest& request) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QtNameFilters(request.Filter));
  dialog.setDefaultSuffix(request.DefaultExt);
  // With a choice of types, a name typed without an extension gets the chosen type's.
  if (dialog.nameFilters().size() > 1) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
      const qsizetype dot = f.lastIndexOf(QStringLiteral("*."));
      if (dot >= 0) dialog.setDefaultSuffix(f.mid(dot + 2).section(u')', 0, 0).section(u' ', 0, 0));
    });
  }
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);
  dialog.setDirectory(request.InitialDir);
  // A full path from an earlier choice takes its own folder along.
  dialog.selectFile(request.FileName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first();
}

bool SystemPrintDialog(QWidget* owner, QPrinter& printer) {
  QPrintDialog dialog(&printer, owner);
  return dialog.exec() == QDialog::Accepted;
}

void SystemPrintPreview(QWidget* owner, QPrinter& printer,
                        const std::function<void(QPrinter&)>& paint) {
  QPrintPreviewDialog dialog(&printer, owner);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&paint](QPrinter* target) { paint(*target); });
  dialog.exec();
}

}  // namespace

TDialogServices SystemDialogServices() {
  return {SystemMessageBox,    SystemNotice,      SystemSaveFileName,
          ShellOpenWebAddress, SystemPrintDialog, SystemPrintPreview};
}

QStringList QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& text = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    if (text.endsWith(u'(' + patterns + u')')) {
      filters << text;
    } else {
      filters << text + QStringLiteral(" (") + patterns + u')';
    }
  }
  return filters;
}

TSaveDialog::TSaveDialog(
    QWidget* owner, std::function<std::optional<QString>(QWidget*, const TSaveDialogRequest&)> run)
    : owner_(owner), run_(std::move(run)) {}

bool TSaveDialog::Execute() {
  const std::optional<QString> chosen =
      run_(owner_, {Filter, DefaultExt, InitialDir, FileName, OverwritePrompt});
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

}  // namespace gb
