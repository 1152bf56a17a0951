#include "ui/qt/Button.h"

#include <QKeyEvent>

namespace gb {

TButton::TButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setDefault(false);
}

void TButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // Shift+Enter, Ctrl+Enter and the like stay free for whoever wants them.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (enter && plain && !event->isAutoRepeat()) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace gb
