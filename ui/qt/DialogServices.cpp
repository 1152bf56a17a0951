#include "ui/qt/DialogServices.h"

#include <QComboBox>
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
#include <QStandardPaths>
#include <utility>

#include "ui/qt/ShellOpen.h"

namespace gb {

namespace {

int SystemMessageBox(QWidget* owner, const QString& text, const QString& caption, int flags) {
  QMessageBox box(owner);
  box.setIcon((flags & MB_ICONSTOP)       ? QMessageBox::Critical
              : (flags & MB_ICONQUESTION) ? QMessageBox::Question
                                          : QMessageBox::NoIcon);
  box.setWindowTitle(caption);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  const bool question = (flags & MB_YESNO) == MB_YESNO;
  box.setStandardButtons(question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  if (question) box.setDefaultButton(QMessageBox::No);
  box.setWindowModality(Qt::ApplicationModal);
  const int pressed = box.exec();
  if (!question) return IDOK;
  return pressed == QMessageBox::Yes ? IDYES : IDNO;
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
  const std::vector<FileFilterItem> types = ParseFileFilter(request.Filter.toStdString());
  if (types.size() > 1) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& f) {
      const qsizetype chosen = dialog.nameFilters().indexOf(f);
      if (chosen < 0) return;
      const std::string extension = FilterExtension(types[static_cast<std::size_t>(chosen)]);
      if (!extension.empty()) dialog.setDefaultSuffix(QString::fromStdString(extension));
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
    if (!pacing_.Due(clock_.elapsed())) return !dialog_.wasCanceled();
    dialog_.setLabelText(text);
    if (!dialog_.isVisible()) dialog_.show();
    QCoreApplication::processEvents();
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
  QElapsedTimer clock_;
  ProgressPacing pacing_;
};

std::unique_ptr<TProgressDisplay> SystemProgressDisplay(QWidget* owner, const QString& title) {
  return std::make_unique<SystemProgress>(owner, title);
}

std::optional<TSheetNames> SystemSheetNames(QWidget* owner) {
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromUtf8(kSheetNamesDialog.Caption));
  auto* form = new QFormLayout(&dialog);
  auto* project = new QLineEdit(&dialog);
  auto* site = new QLineEdit(&dialog);
  project->setMinimumWidth(280);
  form->addRow(QString::fromUtf8(kSheetNamesDialog.ProjectLabel), project);
  form->addRow(QString::fromUtf8(kSheetNamesDialog.SiteLabel), site);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(kSheetNamesDialog.Ok));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(kSheetNamesDialog.Cancel));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TSheetNames{project->text().toStdString(), site->text().toStdString()};
}

std::optional<TSpectrumFileChoice> SystemSpectrumFileChoice(QWidget* owner,
                                                            const TSpectrumFileChoice& initial) {
  const SpectrumFileDialogDesign& design = kSpectrumFileDialog;
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromUtf8(design.Caption));
  auto* form = new QFormLayout(&dialog);
  auto* format = new QComboBox(&dialog);
  for (const SpectrumFileFormatDesign& f : kSpectrumFileFormats) {
    format->addItem(QString::fromUtf8(f.Caption));
  }
  format->setCurrentIndex(static_cast<int>(initial.Format));
  auto* level = new QComboBox(&dialog);
  for (const char* label : kLevelLabels) level->addItem(QString::fromUtf8(label));
  level->addItem(QString::fromUtf8(design.AllLevels));
  level->setCurrentIndex(initial.AllLevels ? kLevelCount : initial.SpectrumLevel);
  auto* site = new QComboBox(&dialog);
  for (const char* label : kSiteClassLabels) site->addItem(QString::fromUtf8(label));
  site->setCurrentIndex(initial.Site);
  // CSV holds the four levels: its level list has nothing to choose.
  const auto follow = [format, level] {
    level->setEnabled(HoldsOneLevel(kSpectrumFileFormats[format->currentIndex()].Format));
  };
  QObject::connect(format, &QComboBox::currentIndexChanged, &dialog, follow);
  follow();
  form->addRow(QString::fromUtf8(design.FormatLabel), format);
  form->addRow(QString::fromUtf8(design.LevelLabel), level);
  form->addRow(QString::fromUtf8(design.SiteLabel), site);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(design.Ok));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(design.Cancel));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  TSpectrumFileChoice choice;
  choice.Format = kSpectrumFileFormats[format->currentIndex()].Format;
  choice.AllLevels = level->currentIndex() == kLevelCount;
  choice.SpectrumLevel = choice.AllLevels ? initial.SpectrumLevel : kLevels[level->currentIndex()];
  choice.Site = kSiteClasses[site->currentIndex()];
  return choice;
}

}  // namespace

TDialogServices SystemDialogServices() {
  return {SystemMessageBox,        SystemNotice,          SystemSaveFileName,
          ShellOpenWebAddress,     SystemPrintDialog,     SystemPrintPreview,
          SystemOpenFileName,      SystemProgressDisplay, SystemSheetNames,
          SystemSpectrumFileChoice};
}

QStringList QtNameFilters(const QString& filter) {
  QStringList filters;
  for (const FileFilterItem& item : ParseFileFilter(filter.toStdString())) {
    filters << QString::fromStdString(FilterCaption(item));
  }
  return filters;
}

TSaveDialog::TSaveDialog(
    QWidget* owner, std::function<std::optional<QString>(QWidget*, const TSaveDialogRequest&)> run)
    : owner_(owner), run_(std::move(run)) {}

void TSaveDialog::Design(const FileDialogDesign& design) {
  Filter = QString::fromUtf8(design.Filter);
  DefaultExt = QString::fromUtf8(design.DefaultExt);
  FileName = QString::fromUtf8(design.FileName);
  if (design.Folder == DialogFolder::ProgramFolder) {
    InitialDir = QCoreApplication::applicationDirPath();
  } else if (design.Folder == DialogFolder::Documents) {
    InitialDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  }
}

bool TSaveDialog::Execute() {
  const std::optional<QString> chosen =
      run_(owner_, {Filter, DefaultExt, InitialDir, FileName, OverwritePrompt});
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

}  // namespace gb
