#include "ui/qt/Anchors.h"

#include <QEvent>
#include <algorithm>
#include <cassert>

namespace gb {

TAnchorLayout::TAnchorLayout(QWidget* client, QSize designClientSize)
    : QObject(client), client_(client) {
  designSizes_[client] = designClientSize;
  client->installEventFilter(this);
}

void TAnchorLayout::Place(QWidget* control, const QRect& design, TAnchors anchors) {
  const auto container = designSizes_.find(control->parentWidget());
  assert(container != designSizes_.end() && "container placed after its contents");
  entries_.push_back({control, design, anchors, container->second});
  designSizes_[control] = design.size();
  control->setGeometry(
      AnchoredRect(design, anchors, container->second, control->parentWidget()->size()));
}

QRect TAnchorLayout::AnchoredRect(const QRect& design, TAnchors anchors, QSize designContainerSize,
                                  QSize containerSize) {
  const int dw = containerSize.width() - designContainerSize.width();
  const int dh = containerSize.height() - designContainerSize.height();
  QRect rect = design;
  // Left alone keeps the left edge; right alone moves with the right edge; both stretch.
  if (anchors & akRight) {
    if (anchors & akLeft) {
      rect.setWidth(design.width() + dw);
    } else {
      rect.moveLeft(design.left() + dw);
    }
  }
  if (anchors & akBottom) {
    if (anchors & akTop) {
      rect.setHeight(design.height() + dh);
    } else {
      rect.moveTop(design.top() + dh);
    }
  }
  // A control squeezed below nothing is cut off, not turned inside out.
  rect.setWidth(std::max(0, rect.width()));
  rect.setHeight(std::max(0, rect.height()));
  return rect;
}

void TAnchorLayout::Realign() {
  for (const Entry& entry : entries_) {
    if (!entry.control) continue;
    const QRect rect = AnchoredRect(entry.design, entry.anchors, entry.designContainerSize,
                                    entry.control->parentWidget()->size());
    if (rect != entry.control->geometry()) entry.control->setGeometry(rect);
  }
}

bool TAnchorLayout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) Realign();
  return QObject::eventFilter(watched, event);
}

}  // namespace gb
