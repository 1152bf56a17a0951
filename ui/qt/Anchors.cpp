#include "ui/qt/Anchors.h"

#include <QEvent>
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
  const DesignRect rect =
      gb::AnchoredRect({design.left(), design.top(), design.width(), design.height()}, anchors,
                       designContainerSize.width(), designContainerSize.height(),
                       containerSize.width(), containerSize.height());
  return QRect(rect.Left, rect.Top, rect.Width, rect.Height);
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
