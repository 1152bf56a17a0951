#include "ui/qt/AboutForm.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "form/AboutContent.h"
#include "form/WindowCommands.h"
#include "ui/qt/AboutCommands.h"
#include "ui/qt/DesktopResources.h"
#include "ui/qt/LinkLabel.h"

namespace gb {

TAboutBox* AboutBox = nullptr;

namespace {

// The panel's two one-pixel bevels: a lowered one outside, a raised one inside.
class TBevelPanel : public QFrame {
 public:
  explicit TBevelPanel(QWidget* parent) : QFrame(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QColor highlight = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    DrawBevel(painter, rect(), shadow, highlight);
    DrawBevel(painter, rect().adjusted(1, 1, -1, -1), highlight, shadow);
  }

 private:
  static void DrawBevel(QPainter& painter, const QRect& r, const QColor& topLeft,
                        const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  }
};

// 8 pt is 11 pixels, 9 pt 12, 12 pt 16.
QFont SansSerif(int pixelSize, bool bold) {
  return DesignedFont(QStringLiteral("MS Sans Serif"), pixelSize, bold);
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, int pixelSize) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(SansSerif(pixelSize, true));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  label->setText(text);
  return label;
}

QRect ToQRect(const DesignRect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }

// One item of the panel as the design table gives it.
QLabel* NewItem(QWidget* panel, const AboutItem& item) {
  if (item.Kind == AboutItemKind::Logo) {
    auto* logo = new QLabel(panel);
    logo->setObjectName(QString::fromLatin1(item.Name));
    logo->setScaledContents(true);  // stretched to its place, proportions not kept
    logo->setPixmap(QPixmap::fromImage(LogoImage()));
    logo->setGeometry(ToQRect(item.Place));
    return logo;
  }
  QLabel* label = NewLabel(panel, item.Name, QString::fromStdString(item.Text), item.PixelSize);
  if (item.Kind == AboutItemKind::WrappedLabel) {
    label->setWordWrap(true);
    label->setGeometry(item.Place.Left, item.Place.Top, item.Place.Width,
                       2 * label->fontMetrics().height());
  } else {
    // A label takes the size of its text.
    label->setGeometry(QRect(QPoint(item.Place.Left, item.Place.Top), label->sizeHint()));
  }
  return label;
}

}  // namespace

QPoint OwnerCentredPosition(const QRect& owner, const QSize& box, const QRect& desktop) {
  const auto screen = [](const QRect& r) {
    return ScreenRect{r.x(), r.y(), r.width(), r.height()};
  };
  const ChartPoint at =
      OwnerCentredPosition(screen(owner), {box.width(), box.height()}, screen(desktop));
  return {at.x, at.y};
}

TAboutBox::TAboutBox(QWidget* Owner, TApplication& Application)
    : QDialog(Owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      Application(Application) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QString::fromUtf8(kAboutCaption));
  setFixedSize(kClientWidth, kClientHeight);
  setSizeGripEnabled(false);
  setFont(SansSerif(11, false));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);

  Panel1 = new TBevelPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(ToQRect(kAboutPanel));

  QLabel** const labels[] = {&img1,        &ProductName, &lblVersion, &lbl4, &lbl2,
                             &lblComments, &lbl3,        &lbl7,       &lbl6};
  const std::vector<AboutItem> items = AboutBoxItems();
  for (std::size_t i = 0; i < items.size(); ++i) *labels[i] = NewItem(Panel1, items[i]);
  SetLinkState(*lbl6, TLinkState::Normal);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(ToQRect(kAboutOkButton));
  OKButton->setDefault(true);
  OKButton->setFocus();

  BindMouseEvents(Application, this, lbl6, &TAboutBox::lbl6Click, &TAboutBox::lbl6MouseMove,
                  &TAboutBox::lbl6MouseLeave);
  // The button's modal result first, then its handler, as a button with a modal result does.
  connect(OKButton, &QPushButton::clicked, this, [this] { setResult(QDialog::Accepted); });
  connect(OKButton, &QPushButton::clicked, this,
          Guarded(Application, this, OKButton, &TAboutBox::OKButtonClick));
}

TAboutBox::~TAboutBox() { FormDestroy(this); }

int TAboutBox::ShowModal() { return exec(); }

void TAboutBox::lbl6MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y) {
  (void)Sender;
  (void)Shift;
  (void)X;
  (void)Y;
  SetLinkState(*lbl6, TLinkState::Hot);
}

void TAboutBox::lbl6MouseLeave(QObject* Sender) {
  (void)Sender;
  SetLinkState(*lbl6, TLinkState::Normal);
}

void TAboutBox::lbl6Click(QObject* Sender) {
  (void)Sender;
  OpenAuthorWebAddress(Application);
}

void TAboutBox::OKButtonClick(QObject* Sender) {
  (void)Sender;
  close();
}

void TAboutBox::FormClose(QObject* Sender, TCloseAction& Action) {
  (void)Sender;
  Action = caFree;
}

void TAboutBox::FormDestroy(QObject* Sender) {
  (void)Sender;
  if (AboutBox == this) AboutBox = nullptr;
}

void TAboutBox::closeEvent(QCloseEvent* event) {
  TCloseAction Action = caHide;
  FormClose(this, Action);
  if (Action == caNone) {
    event->ignore();
    return;
  }
  // A box that runs modally is destroyed by whoever runs it, as soon as the showing returns;
  // only a box shown on its own releases itself, once the event loop gets back to it.
  if (Action == caFree && !testAttribute(Qt::WA_ShowModal)) deleteLater();
  event->accept();
  done(result());
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      // There is no cancel button, so Escape has nothing to press.
      event->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // The default button, pressed at once (QDialog would animate the press on a timer).
      if (OKButton->isDefault() && OKButton->isVisible() && OKButton->isEnabled()) {
        event->accept();
        OKButton->click();
        return;
      }
      break;
    default:
      break;
  }
  QDialog::keyPressEvent(event);
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect desktop = screen != nullptr ? screen->virtualGeometry() : QRect();
  const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  // Before the box is first mapped its frame is unknown; the owner's frame stands in for it.
  QSize frame = frameGeometry().size() - size();
  if (frame.isEmpty() && owner != nullptr) frame = owner->frameGeometry().size() - owner->size();
  const QSize outer = size() + frame;
  const QRect over = owner != nullptr ? owner->frameGeometry() : desktop;
  move(OwnerCentredPosition(over, outer, desktop));
}

}  // namespace gb
