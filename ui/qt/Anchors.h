// Anchored placement: each control keeps the distance of its anchored edges to the same edges of
// its container, measured against the design sizes. The window has no layouts; this is all that
// moves a control after construction.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <map>
#include <vector>

#include "form/MainFormLayout.h"

namespace gb {

class TAnchorLayout : public QObject {
 public:
  // `client` is the outermost container; its resizes drive every placement.
  TAnchorLayout(QWidget* client, QSize designClientSize);

  // Puts `control` at its design rectangle (relative to its parent) and keeps it anchored. A
  // control's container must be the client or a control placed earlier.
  void Place(QWidget* control, const QRect& design, TAnchors anchors = kLeftTop);

  // Places every control for the current sizes of their containers, containers first.
  void Realign();

  // The rectangle the anchors give for a control in a container of `containerSize`
  // (gb::AnchoredRect of form/MainFormLayout.h).
  static QRect AnchoredRect(const QRect& design, TAnchors anchors, QSize designContainerSize,
                            QSize containerSize);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QPointer<QWidget> control;
    QRect design;
    TAnchors anchors;
    QSize designContainerSize;
  };
  QWidget* client_;
  std::map<const QWidget*, QSize> designSizes_;
  std::vector<Entry> entries_;
};

}  // namespace gb
