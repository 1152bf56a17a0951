// An application object whose boxes and shell requests are recorded instead of shown, and mouse
// events delivered straight to a control (no window system in between).
#pragma once

#include <QEvent>
#include <QPoint>
#include <QString>
#include <Qt>
#include <functional>
#include <memory>
#include <vector>

#include "ui/qt/Application.h"

class QWidget;

namespace gb::test {

struct Recorder {
  std::vector<QString> openedAddresses;
  std::vector<QString> errorBoxes;
  // Runs in place of the shell request (after recording it), e.g. to make it fail.
  std::function<void()> onOpen;
  // Runs when an error box would come up, to look at the program's state at that moment.
  std::function<void()> onErrorBox;

  std::unique_ptr<TApplication> Application();
};

// One mouse event to `control` at `at` (control coordinates).
void SendMouse(QWidget* control, QEvent::Type type, QPoint at,
               Qt::MouseButton button = Qt::NoButton, Qt::KeyboardModifiers modifiers = {});
void SendLeave(QWidget* control);
// Press and release of the left button, both at `at`.
void SendClick(QWidget* control, QPoint at = QPoint(2, 2));

}  // namespace gb::test
