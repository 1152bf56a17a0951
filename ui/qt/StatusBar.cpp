#include "ui/qt/StatusBar.h"

#include <QEvent>
#include <QFont>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "form/StatusBarPanes.h"
#include "ui/qt/DesktopResources.h"
#include "ui/qt/LinkLabel.h"

namespace gb {

namespace {

Rgb ToRgb(QColor colour) { return {colour.red(), colour.green(), colour.blue()}; }
QColor ToQColor(Rgb colour) { return QColor(colour.Red, colour.Green, colour.Blue); }

// The gradient's top colour and the colour of separators and grip shadows.
QColor GradientTop(const QPalette& palette) {
  return ToQColor(StatusGradientTop(ToRgb(palette.color(QPalette::Button))));
}
QColor SeparatorColour(const QPalette& palette) {
  return ToQColor(StatusSeparator(ToRgb(palette.color(QPalette::Button))));
}

// The grip: its own child so that the pointer shape and the mouse press belong to exactly the
// rightmost strip of the bar, and hiding it takes both away.
class TSizeGrip : public QWidget {
 public:
  explicit TSizeGrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SizeGrip"));
    setCursor(Qt::SizeFDiagCursor);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // Six squares in a triangle against the bottom-right corner, each with a shadow one pixel up
    // and to the left, drawn over it.
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Base);
    const QColor shadow = SeparatorColour(palette());
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col + row < 3; ++col) {
        const int x = width() - 3 - 4 * col;
        const int y = height() - 3 - 4 * row;
        painter.fillRect(x, y, 2, 2, light);
        painter.fillRect(x - 1, y - 1, 2, 2, shadow);
      }
    }
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    QWidget* target = window();
    if (QWindow* handle = target->windowHandle();
        handle != nullptr && handle->startSystemResize(Qt::RightEdge | Qt::BottomEdge)) {
      return;
    }
    // No window manager to hand the drag to: move the corner ourselves.
    dragging_ = true;
    pressedAt_ = event->globalPosition().toPoint();
    startSize_ = target->size();
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    if (!dragging_) return QWidget::mouseMoveEvent(event);
    const QPoint moved = event->globalPosition().toPoint() - pressedAt_;
    // resize() keeps the window within its minimum and maximum sizes.
    window()->resize(startSize_ + QSize(moved.x(), moved.y()));
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) dragging_ = false;
    QWidget::mouseReleaseEvent(event);
  }

 private:
  bool dragging_ = false;
  QPoint pressedAt_;
  QSize startSize_;
};

TRzFieldStatus* NewPane(TRzStatusBar* bar, const StatusPaneDesign& design) {
  auto* pane = new TRzFieldStatus(bar);
  pane->setObjectName(QString::fromLatin1(design.Name));
  pane->setFont(DesignedFont(QString::fromLatin1(design.Family), 11, true));  // 8 pt
  pane->SetCaption(QString::fromStdString(StatusPaneCaption(design.Name)));
  pane->SetBorderWidth(design.BorderWidth);
  pane->SetDesignPlace(design.Left, design.Width);
  return pane;
}

}  // namespace

QColor AdjustLightness(QColor colour, int delta) {
  return ToQColor(AdjustLightness(ToRgb(colour), delta));
}

// --- TRzFieldStatus

TRzFieldStatus::TRzFieldStatus(QWidget* Parent) : QWidget(Parent) { setFocusPolicy(Qt::NoFocus); }

void TRzFieldStatus::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void TRzFieldStatus::SetBorderWidth(int width) {
  if (width == borderWidth_) return;
  borderWidth_ = width;
  update();
}

void TRzFieldStatus::SetDesignPlace(int left, int width) {
  designLeft_ = left;
  designWidth_ = width;
  if (auto* bar = qobject_cast<TRzStatusBar*>(parentWidget())) bar->Realign();
}

void TRzFieldStatus::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int b = borderWidth_;
  const QRect inset = rect().adjusted(b, b, -b, -b);
  if (x() != 0 && inset.height() > 2) {
    painter.fillRect(QRect(inset.left(), inset.top() + 1, 1, inset.height() - 2),
                     SeparatorColour(palette()));
  }
  const QRect textArea = inset.adjusted(1, 1, -1, -1);
  if (textArea.isEmpty() || caption_.isEmpty()) return;
  painter.setClipRect(textArea);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  // The caption is not wrapped or elided, only cut off at the text area's right edge.
  const QRect line(textArea.left() + 3, textArea.top(), std::max(textArea.width(), 4096),
                   textArea.height());
  painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

// --- TRzStatusBar

TRzStatusBar::TRzStatusBar(QWidget* Parent) : QWidget(Parent), grip_(new TSizeGrip(this)) {
  setFocusPolicy(Qt::NoFocus);
  setFixedHeight(kHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  WatchWindow();
  UpdateSizeGrip();
}

void TRzStatusBar::SetShowSizeGrip(bool show) {
  showSizeGrip_ = show;
  UpdateSizeGrip();
}

QList<TRzFieldStatus*> TRzStatusBar::Panes() const {
  QList<TRzFieldStatus*> panes = findChildren<TRzFieldStatus*>(Qt::FindDirectChildrenOnly);
  // Ties keep the order of creation.
  std::stable_sort(panes.begin(), panes.end(),
                   [](const TRzFieldStatus* a, const TRzFieldStatus* b) {
                     return a->DesignLeft() < b->DesignLeft();
                   });
  return panes;
}

void TRzStatusBar::Realign() {
  const QList<TRzFieldStatus*> panes = findChildren<TRzFieldStatus*>(Qt::FindDirectChildrenOnly);
  std::vector<PaneSpan> spans;
  for (const TRzFieldStatus* pane : panes) {
    spans.push_back({pane->DesignLeft(), pane->DesignWidth()});
  }
  const std::vector<int> lefts = PackStatusPanes(spans);
  for (qsizetype i = 0; i < panes.size(); ++i) {
    panes[i]->setGeometry(lefts[static_cast<std::size_t>(i)], 0, panes[i]->DesignWidth(), height());
  }
  grip_->setGeometry(width() - kSizeGripWidth, 0, kSizeGripWidth, height());
  grip_->raise();
}

QSize TRzStatusBar::sizeHint() const {
  int width = kSizeGripWidth;
  for (const TRzFieldStatus* pane : Panes()) width += pane->DesignWidth();
  return QSize(width, kHeight);
}

QSize TRzStatusBar::minimumSizeHint() const { return QSize(0, kHeight); }

bool TRzStatusBar::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ParentChange:
    case QEvent::Show:
      WatchWindow();
      UpdateSizeGrip();
      break;
    case QEvent::ChildRemoved:
      Realign();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

bool TRzStatusBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watchedWindow_ &&
      (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Resize)) {
    UpdateSizeGrip();
  }
  return QWidget::eventFilter(watched, event);
}

void TRzStatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height() - 1);
  gradient.setColorAt(0, GradientTop(palette()));
  gradient.setColorAt(1, palette().color(QPalette::Base));
  painter.fillRect(rect(), gradient);
}

void TRzStatusBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Realign();
}

void TRzStatusBar::WatchWindow() {
  QWidget* current = window();
  if (current == watchedWindow_) return;
  if (watchedWindow_) watchedWindow_->removeEventFilter(this);
  watchedWindow_ = current;
  if (current != this) current->installEventFilter(this);
}

void TRzStatusBar::UpdateSizeGrip() {
  const QWidget* target = window();
  const bool resizable = target->minimumSize() != target->maximumSize();
  const bool maximised =
      (target->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
  grip_->setVisible(showSizeGrip_ && resizable && !maximised);
}

// --- the designed bar

TStatusBarControls CreateStatusBar(QWidget* Parent) {
  TStatusBarControls c;
  c.rzstsbr2 = new TRzStatusBar(Parent);
  c.rzstsbr2->setObjectName(QStringLiteral("rzstsbr2"));
  TRzFieldStatus** const panes[] = {&c.rzfldsts1, &c.rzfldsts2, &c.rzfldsts3};
  for (std::size_t i = 0; i < std::size(kStatusPanes); ++i) {
    *panes[i] = NewPane(c.rzstsbr2, kStatusPanes[i]);
  }
  // The link's black is its own; the other two panes follow the system's window-text colour.
  QPalette linkPalette = c.rzfldsts2->palette();
  linkPalette.setColor(QPalette::WindowText, QColor::fromRgb(kLinkNormalColour));
  c.rzfldsts2->setPalette(linkPalette);
  SetLinkState(*c.rzfldsts2, TLinkState::Normal);
  return c;
}

}  // namespace gb
