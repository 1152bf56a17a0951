// The About box: its controls, its keys, where it appears, and its lifetime around the About
// command, also when the showing fails.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "DesktopTestSupport.h"
#include "text/Errors.h"
#include "ui/qt/AboutCommands.h"
#include "ui/qt/AboutForm.h"
#include "ui/qt/EventGuard.h"

using namespace gb;

namespace {

struct Program {
  test::Recorder recorder;
  std::unique_ptr<TApplication> application = recorder.Application();
  std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();

  Program() {
    owner->setGeometry(200, 150, 967, 600);
    owner->show();
  }
};

// What the test saw while the box was up.
struct Seen {
  TAboutBox* box = nullptr;
  bool visible = false;
  bool modal = false;
  bool ownedByOwner = false;
  bool linkNormal = false;
  int destroyed = 0;
};

// Runs inside the modal loop once it is up: looks at the box, then closes it with Enter or
// through the window's close box.
void LookAndClose(Seen& seen, QWidget* owner, bool enter) {
  QMetaObject::invokeMethod(
      qApp,
      [&seen, owner, enter] {
        TAboutBox* box = AboutBox;
        if (box == nullptr) return;  // the test fails on `seen` below
        seen.box = box;
        seen.visible = box->isVisible();
        seen.modal = QApplication::activeModalWidget() == box;
        seen.ownedByOwner = box->parentWidget() == owner;
        seen.linkNormal = box->lbl6->palette().color(QPalette::WindowText) == Qt::black &&
                          !box->lbl6->font().underline();
        QObject::connect(box, &QObject::destroyed, [&seen] { ++seen.destroyed; });
        test::SendMouse(box->lbl6, QEvent::MouseMove, QPoint(2, 2));  // leave the link hot
        if (enter) {
          QTest::keyClick(box, Qt::Key_Return);
        } else {
          box->close();
        }
      },
      Qt::QueuedConnection);
}

}  // namespace

class TestAboutBox : public QObject {
  Q_OBJECT

 private slots:
  void window() {
    Program program;
    TAboutBox box(program.owner.get(), *program.application);
    QCOMPARE(box.windowTitle(), QString("关于 RI 18306-2015《zezevire》 zidazov"));
    QCOMPARE(box.size(), QSize(675, 210));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(box.OKButton->isDefault());
    // OK is the only control that takes the focus.
    for (const QWidget* child : box.findChildren<QWidget*>()) {
      QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == box.OKButton);
    }
    QCOMPARE(box.img1->pixmap().size(), QSize(220, 171));
  }

  void keys_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape") << "box" << int(Qt::Key_Escape) << false;
    QTest::newRow("Escape on the button") << "button" << int(Qt::Key_Escape) << false;
    QTest::newRow("Return") << "box" << int(Qt::Key_Return) << true;
    QTest::newRow("Enter") << "box" << int(Qt::Key_Enter) << true;
    QTest::newRow("Return on the button") << "button" << int(Qt::Key_Return) << true;
    QTest::newRow("Space on the button") << "button" << int(Qt::Key_Space) << true;
  }
  void keys() {
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(bool, closes);
    Program program;
    TAboutBox box(program.owner.get(), *program.application);
    box.show();
    QWidget* receiver = target == "box" ? static_cast<QWidget*>(&box) : box.OKButton;
    QTest::keyClick(receiver, Qt::Key(key));
    QCOMPARE(box.isVisible(), !closes);
    if (closes) QCOMPARE(box.result(), int(QDialog::Accepted));
  }

  void centredOverTheOwner_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QRect>("desktop");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1920, 1080);
    QTest::newRow("centred") << QRect(100, 100, 967, 600) << QSize(681, 236) << screen
                             << QPoint(243, 282);
    QTest::newRow("never left of or above the desktop")
        << QRect(-1900, -200, 400, 150) << QSize(681, 236) << QRect(-1920, 0, 3840, 1080)
        << QPoint(-1920, 0);
    // A box wider than its owner: the negative half is rounded toward zero, not down.
    QTest::newRow("may run off the right and bottom")
        << QRect(1700, 1000, 400, 300) << QSize(681, 236) << screen << QPoint(1560, 1032);
  }
  void centredOverTheOwner() {
    QFETCH(QRect, owner);
    QFETCH(QSize, box);
    QFETCH(QRect, desktop);
    QFETCH(QPoint, expected);
    QCOMPARE(OwnerCentredPosition(owner, box, desktop), expected);
  }

  // Each showing builds a fresh box and destroys it once; the link starts normal every time.
  void aboutCommandLifetime() {
    Program program;
    for (bool enter : {true, false}) {
      Seen seen;
      LookAndClose(seen, program.owner.get(), enter);
      ShowAboutBox(program.owner.get(), *program.application);
      QVERIFY(seen.box != nullptr);
      QVERIFY(seen.visible);
      QVERIFY(seen.modal);
      QVERIFY(seen.ownedByOwner);
      QVERIFY(seen.linkNormal);
      QCOMPARE(AboutBox, nullptr);
      QCOMPARE(seen.destroyed, 1);
      QCOMPARE(program.owner->findChildren<TAboutBox*>().size(), 0);
      // Nothing left queued that would touch the box again.
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCoreApplication::processEvents();
      QCOMPARE(seen.destroyed, 1);
    }
  }

  // A failure while the box is shown destroys the box and clears AboutBox before the error
  // reaches the error box; the guard then shows it.
  void failedShowingStillDestroysOnce_data() {
    QTest::addColumn<bool>("afterModalRun");
    QTest::newRow("before the modal run") << false;
    QTest::newRow("out of the modal run") << true;
  }
  void failedShowingStillDestroysOnce() {
    QFETCH(bool, afterModalRun);
    Program program;
    Seen seen;
    bool clearedBeforeTheBox = false;
    int destroyedBeforeTheBox = -1;
    program.recorder.onErrorBox = [&] {
      clearedBeforeTheBox = AboutBox == nullptr;
      destroyedBeforeTheBox = seen.destroyed;
    };
    const auto failingShowing = [&](TAboutBox& box) {
      seen.box = AboutBox;
      QObject::connect(&box, &QObject::destroyed, [&seen] { ++seen.destroyed; });
      if (afterModalRun) {
        QMetaObject::invokeMethod(
            qApp, [&box] { QTest::keyClick(&box, Qt::Key_Return); }, Qt::QueuedConnection);
        box.ShowModal();
      }
      throw Exception("Showing failed");
    };
    Dispatch(*program.application, nullptr,
             [&] { ShowAboutBox(program.owner.get(), *program.application, failingShowing); });
    QVERIFY(seen.box != nullptr);
    QCOMPARE(program.recorder.errorBoxes, std::vector<QString>{"Showing failed."});
    QVERIFY(clearedBeforeTheBox);
    QCOMPARE(destroyedBeforeTheBox, 1);
    QCOMPARE(AboutBox, nullptr);
    QCOMPARE(seen.destroyed, 1);
  }
};

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
