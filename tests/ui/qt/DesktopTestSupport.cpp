#include "DesktopTestSupport.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "ui/qt/DialogServices.h"

namespace gb::test {

std::unique_ptr<TApplication> Recorder::Application() {
  TDialogServices services;
  services.MessageBox = [this](QWidget*, const QString& text, const QString&, int) {
    errorBoxes.push_back(text);
    if (onErrorBox) onErrorBox();
    return IDOK;
  };
  services.OpenWebAddress = [this](const QString& address) {
    openedAddresses.push_back(address);
    if (onOpen) onOpen();
  };
  return std::make_unique<TApplication>(QStringLiteral("/opt/gb18306/gb18306"), services);
}

void SendMouse(QWidget* control, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  QMouseEvent event(type, QPointF(at), QPointF(control->mapToGlobal(at)), button, held, modifiers);
  QCoreApplication::sendEvent(control, &event);
}

void SendLeave(QWidget* control) {
  QEvent event(QEvent::Leave);
  QCoreApplication::sendEvent(control, &event);
}

void SendClick(QWidget* control, QPoint at) {
  SendMouse(control, QEvent::MouseButtonPress, at, Qt::LeftButton);
  SendMouse(control, QEvent::MouseButtonRelease, at, Qt::LeftButton);
}

}  // namespace gb::test
