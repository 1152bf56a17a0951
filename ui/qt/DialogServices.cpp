#include "ui/qt/DialogServices.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <utility>

#include "ui/qt/ShellOpen.h"

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

std::optional<QString> SystemOpenFileName(QWidget* owner, const QString& filter) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(QtNameFilters(filter));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first();
}

// Appears only for a command that takes longer than a moment, so a short one does not flash.
class SystemProgress : public TProgressDisplay {
 public:
  SystemProgress(QWidget* owner, const QString& title)
      : dialog_(QString(), QStringLiteral("取消"), 0, 0, owner) {
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(0);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.hide();
    clock_.start();
  }

  bool Update(const QString& text) override {
    constexpr qint64 kShowAfterMs = 500;
    constexpr qint64 kRefreshMs = 50;
    if (clock_.elapsed() < kShowAfterMs || clock_.elapsed() - lastRefresh_ < kRefreshMs) {
      return !dialog_.wasCanceled();
    }
    lastRefresh_ = clock_.elapsed();
    dialog_.setLabelText(text);
    if (!dialog_.isVisible()) dialog_.show();
    QCoreApplication::processEvents();
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
  QElapsedTimer clock_;
  qint64 lastRefresh_ = 0;
};

std::unique_ptr<TProgressDisplay> SystemProgressDisplay(QWidget* owner, const QString& title) {
  return std::make_unique<SystemProgress>(owner, title);
}

std::optional<TSheetNames> SystemSheetNames(QWidget* owner) {
  QDialog dialog(owner);
  dialog.setWindowTitle(QStringLiteral("计算书"));
  auto* form = new QFormLayout(&dialog);
  auto* project = new QLineEdit(&dialog);
  auto* site = new QLineEdit(&dialog);
  project->setMinimumWidth(280);
  form->addRow(QStringLiteral("工程名称:"), project);
  form->addRow(QStringLiteral("场地名称:"), site);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TSheetNames{project->text(), site->text()};
}

}  // namespace

TDialogServices SystemDialogServices() {
  return {SystemMessageBox,    SystemNotice,          SystemSaveFileName,
          ShellOpenWebAddress, SystemPrintDialog,     SystemPrintPreview,
          SystemOpenFileName,  SystemProgressDisplay, SystemSheetNames};
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
