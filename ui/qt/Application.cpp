#include "ui/qt/Application.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/LocaleSeparators.h"
#include "text/ErrorText.h"
#include "text/NumberSeparators.h"
#include "ui/qt/ApplicationTitle.h"
#include "ui/qt/DesktopResources.h"
#include "ui/qt/QtTranslations.h"

namespace gb {

namespace {

// Re-reads the separators when the system announces new regional settings, so the next
// calculation parses and formats with them.
class TLocaleWatcher : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LocaleChange) RefreshNumberSeparators();
    return QObject::eventFilter(watched, event);
  }
};

// The first placement: centred on the primary screen's whole area (not the work area), halves
// rounded toward zero, never before the screen's left or top edge.
void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  const QSize outer = window.frameGeometry().size();
  const int left = std::max(area.left(), area.left() + (area.width() - outer.width()) / 2);
  const int top = std::max(area.top(), area.top() + (area.height() - outer.height()) / 2);
  window.move(left, top);
}

}  // namespace

TApplication::TApplication(const QString& executablePath, TDialogServices services)
    : Title(TitleFromExecutablePath(executablePath)), services_(std::move(services)) {}

TApplication::~TApplication() {
  // The window goes before the watcher and the services its handlers might still reach.
  mainForm_.reset();
}

void TApplication::Initialize() {
  RefreshNumberSeparators();
  if (!localeWatcher_ && QCoreApplication::instance() != nullptr) {
    localeWatcher_ = std::make_unique<TLocaleWatcher>();
    QCoreApplication::instance()->installEventFilter(localeWatcher_.get());
  }
  if (auto* toolkit = qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QApplication::setWindowIcon(ApplicationIcon());
    // The system's dialogs (file dialog, overwrite question) speak the user's language.
    if (!qtTranslationsInstalled_) qtTranslationsInstalled_ = InstallQtTranslations(*toolkit);
  }
}

void TApplication::Run() {
  QWidget* form = mainForm_.get();
  if (form == nullptr) return;
  // The frame around the window is known only once it is shown: placed by the bare size first,
  // then once more by the outer size, before the user gets to see it.
  CentreOnScreen(*form);
  form->show();
  CentreOnScreen(*form);
  QApplication::exec();
}

void TApplication::HandleException(QObject* Sender, const Exception& E) {
  (void)Sender;
  // A drag in progress must not go on behind the box.
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  ShowException(E);
}

void TApplication::ShowException(const Exception& E) {
  MessageBox(QString::fromStdString(ErrorBoxText(E.Message())), Title, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const QString& Text, const QString& Caption, int Flags) {
  return services_.MessageBox(ActiveOwner(), Text, Caption, Flags);
}

void TApplication::ShowNotice(const QString& Text) { services_.Notice(ActiveOwner(), Text, Title); }

QWidget* TApplication::ActiveOwner() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  return mainForm_ && mainForm_->isVisible() ? mainForm_.get() : nullptr;
}

}  // namespace gb
