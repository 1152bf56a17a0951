// The three web links: hot and normal looks on mouse moves, the address handed to the shell seam
// on a click, and errors of the request ending at the error box.
#include <QLabel>
#include <QtTest>
#include <memory>

#include "DesktopTestSupport.h"
#include "text/Errors.h"
#include "ui/qt/AboutCommands.h"
#include "ui/qt/AboutForm.h"
#include "ui/qt/LinkLabel.h"
#include "ui/qt/StatusBar.h"

using namespace gb;

namespace {

// Stands in for the main window: its status-link handlers are written the way the real ones are.
class TLinkWindow : public QWidget {
 public:
  explicit TLinkWindow(TApplication& application) : Application(application) {
    controls = CreateStatusBar(this);
    controls.rzstsbr2->setGeometry(0, 514, 967, 26);
    BindMouseEvents(Application, this, controls.rzfldsts2, &TLinkWindow::rzfldsts2Click,
                    &TLinkWindow::rzfldsts2MouseMove, &TLinkWindow::rzfldsts2MouseLeave);
  }
  void rzfldsts2Click(QObject*) { OpenAuthorWebAddress(Application); }
  void rzfldsts2MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {
    SetLinkState(*controls.rzfldsts2, TLinkState::Hot);
  }
  void rzfldsts2MouseLeave(QObject*) { SetLinkState(*controls.rzfldsts2, TLinkState::Normal); }

  TApplication& Application;
  TStatusBarControls controls;
};

// The program: recorders, a stand-in main window and an About box over it.
struct Links {
  test::Recorder recorder;
  std::unique_ptr<TApplication> application = recorder.Application();
  std::unique_ptr<TLinkWindow> window = std::make_unique<TLinkWindow>(*application);
  TAboutBox* about = new TAboutBox(window.get(), *application);

  QWidget* Link(const QString& name) {
    return name == "rzfldsts2" ? static_cast<QWidget*>(window->controls.rzfldsts2) : about->lbl6;
  }
};

void VerifyLook(const QWidget* link, TLinkState state) {
  const bool hot = state == TLinkState::Hot;
  QCOMPARE(link->palette().color(QPalette::WindowText), hot ? QColor(0, 0, 255) : QColor(0, 0, 0));
  QVERIFY(link->font().bold());
  QCOMPARE(link->font().underline(), hot);
}

}  // namespace

class TestWebLinks : public QObject {
  Q_OBJECT

 private slots:
  void links_data() {
    QTest::addColumn<QString>("link");
    QTest::newRow("status bar") << "rzfldsts2";
    QTest::newRow("About box") << "lbl6";
  }

  void hotOnMoveNormalOnLeave_data() { links_data(); }
  void hotOnMoveNormalOnLeave() {
    QFETCH(QString, link);
    Links links;
    QWidget* control = links.Link(link);
    VerifyLook(control, TLinkState::Normal);
    test::SendMouse(control, QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::ShiftModifier);
    VerifyLook(control, TLinkState::Hot);
    test::SendLeave(control);
    VerifyLook(control, TLinkState::Normal);
    // Plain links: no hand pointer, no keyboard focus.
    QCOMPARE(control->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(control->focusPolicy(), Qt::NoFocus);
    QVERIFY(control->hasMouseTracking());
  }

  void clickOpensTheAddress_data() {
    QTest::addColumn<QString>("link");
    QTest::newRow("status bar") << "rzfldsts2";
    QTest::newRow("About box") << "lbl6";
    QTest::newRow("menu item") << "Howtouse1";
  }
  void clickOpensTheAddress() {
    QFETCH(QString, link);
    Links links;
    if (link == "Howtouse1") {
      OpenAuthorWebAddress(*links.application);
    } else {
      test::SendClick(links.Link(link));
      // The click changes nothing else: the link keeps its look.
      VerifyLook(links.Link(link), TLinkState::Normal);
    }
    QCOMPARE(links.recorder.openedAddresses, std::vector<QString>{"www.example.org"});
    QVERIFY(links.recorder.errorBoxes.empty());
  }

  // The handlers run through the guard: a failing request ends at the error box, not in Qt.
  void failingRequestEndsAtTheErrorBox_data() { links_data(); }
  void failingRequestEndsAtTheErrorBox() {
    QFETCH(QString, link);
    Links links;
    links.recorder.onOpen = [] { throw Exception("No browser"); };
    test::SendClick(links.Link(link));
    QCOMPARE(links.recorder.errorBoxes, std::vector<QString>{"No browser."});
  }
};

QTEST_MAIN(TestWebLinks)
#include "tst_web_links.moc"
