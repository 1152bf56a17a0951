#include "ui/qt/LinkLabel.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

namespace gb {

namespace {

void SetFontColour(QWidget& control, const QColor& colour) {
  // Both colour groups: the link must look the same whether or not its window is active.
  const QPalette& current = control.palette();
  if (current.color(QPalette::Active, QPalette::WindowText) == colour &&
      current.color(QPalette::Inactive, QPalette::WindowText) == colour) {
    return;
  }
  QPalette palette = current;
  palette.setColor(QPalette::WindowText, colour);
  control.setPalette(palette);
}

void SetFontStyle(QWidget& control, bool underline) {
  const QFont& current = control.font();
  if (current.bold() && current.underline() == underline) return;
  QFont font = current;
  font.setBold(true);
  font.setUnderline(underline);
  control.setFont(font);
}

}  // namespace

void SetLinkState(QWidget& link, TLinkState state) {
  const bool hot = state == TLinkState::Hot;
  SetFontColour(link, QColor::fromRgb(hot ? kLinkHotColour : kLinkNormalColour));
  SetFontStyle(link, hot);
}

TMouseEvents* TMouseEvents::Of(QWidget* control) {
  if (auto* existing = control->findChild<TMouseEvents*>(QString(), Qt::FindDirectChildrenOnly)) {
    return existing;
  }
  return new TMouseEvents(control);
}

TMouseEvents::TMouseEvents(QWidget* control) : QObject(control), control_(control) {
  control->setMouseTracking(true);
  control->installEventFilter(this);
}

bool TMouseEvents::eventFilter(QObject* watched, QEvent* event) {
  if (watched != control_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint at = mouse->position().toPoint();
      emit MouseMove(mouse->modifiers(), at.x(), at.y());
      break;
    }
    case QEvent::Leave:
      emit MouseLeave();
      break;
    // The second press of a double click does not arm a click: a double click opens once.
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) pressed_ = true;
      break;
    }
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      const bool click = pressed_ && control_->rect().contains(mouse->position().toPoint());
      pressed_ = false;
      // Last, since the handler may close the window that holds the control.
      if (click) emit Click();
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace gb
