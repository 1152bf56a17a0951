// The main window as a whole: client size, anchoring on resize, tab order, menu, closing.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <map>
#include <memory>

#include "UiTestSupport.h"
#include "report/Author.h"
#include "ui/qt/StatusBar.h"
#include "ui/qt/StringGrid.h"

using namespace gb;
using gb::test::Program;

namespace {

std::map<QWidget*, QRect> Geometries(const QList<QWidget*>& widgets) {
  std::map<QWidget*, QRect> geometries;
  for (QWidget* widget : widgets) geometries[widget] = widget->geometry();
  return geometries;
}

QList<QWidget*> ChildControls(QWidget* container) {
  return container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

void ShowAndWait(TForm1& form) {
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
}

void ResizeClient(TForm1& form, int width, int height) {
  const QSize frame = form.size() - form.ClientArea()->size();
  form.resize(QSize(width, height) + frame);
  QTRY_COMPARE(form.ClientArea()->size(), QSize(width, height));
}

}  // namespace

class TestWindowLayout : public QObject {
  Q_OBJECT

 private slots:
  void designSize() {
    Program program;
    TForm1& form = *program.form;
    ShowAndWait(form);
    QCOMPARE(form.ClientArea()->size(), QSize(967, 540));
    QCOMPARE(form.windowTitle(), QStringLiteral("RI 18306-2015《zezevire》 zidazov (by Varnelo)"));
  }

  // Whatever font the system substitutes, no two controls of a container overlap and every
  // control lies inside its container.
  void controlsNeitherOverlapNorSpillOver() {
    Program program;
    TForm1& form = *program.form;
    ShowAndWait(form);
    for (QWidget* container :
         {form.ClientArea(), static_cast<QWidget*>(form.grp1), static_cast<QWidget*>(form.grp2),
          static_cast<QWidget*>(form.grp3)}) {
      const QList<QWidget*> controls = ChildControls(container);
      QVERIFY(!controls.isEmpty());
      for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect a = controls[i]->geometry();
        QVERIFY2(container->rect().contains(a), qPrintable(controls[i]->objectName()));
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
          QVERIFY2(!a.intersects(controls[j]->geometry()),
                   qPrintable(controls[i]->objectName() + " / " + controls[j]->objectName()));
        }
      }
    }
  }

  void widerAndTaller() {
    Program program;
    TForm1& form = *program.form;
    ShowAndWait(form);
    const QList<QWidget*> fixed = {form.grp1,     form.btn1,     form.btn2,     form.btn3,
                                   form.btn4,     form.lbl11,    form.cbb3,     form.lbl8,
                                   form.strngrd1, form.strngrd2, form.strngrd3, form.edt6};
    const auto fixedBefore = Geometries(fixed);
    const QRect grp2 = form.grp2->geometry();
    const QRect grp3 = form.grp3->geometry();
    const QRect cht2 = form.cht2->geometry();

    ResizeClient(form, 1067, 540);
    QCOMPARE(form.grp2->geometry(), grp2.adjusted(0, 0, 100, 0));
    QCOMPARE(form.grp3->geometry(), grp3);
    QCOMPARE(form.cht2->geometry(), cht2);
    QCOMPARE(form.rzstsbr2->geometry(), QRect(0, 514, 1067, 26));

    ResizeClient(form, 1067, 640);
    QCOMPARE(form.grp2->geometry(), grp2.adjusted(0, 0, 100, 100));
    QCOMPARE(form.grp3->geometry(), grp3.adjusted(0, 0, 0, 100));
    QCOMPARE(form.cht2->geometry(), cht2.adjusted(0, 0, 0, 100));
    QCOMPARE(form.rzstsbr2->geometry(), QRect(0, 614, 1067, 26));
    QCOMPARE(Geometries(fixed), fixedBefore);

    ResizeClient(form, 967, 540);
    QCOMPARE(form.grp2->geometry(), grp2);
    QCOMPARE(form.cht2->geometry(), cht2);
  }

  void smallerWithoutScrollBars() {
    Program program;
    TForm1& form = *program.form;
    ShowAndWait(form);
    const QRect grids = form.strngrd1->geometry();
    ResizeClient(form, 600, 300);
    QCOMPARE(form.grp2->size(), QSize(496 - 367, 502 - 240));
    QCOMPARE(form.grp3->height(), 1);
    QCOMPARE(form.cht2->height(), 0);  // cut off, not turned inside out
    QCOMPARE(form.strngrd1->geometry(), grids);
    for (QScrollBar* bar : form.findChildren<QScrollBar*>()) QVERIFY(!bar->isVisible());
  }

  void tabCycle() {
    Program program;
    TForm1& form = *program.form;
    ShowAndWait(form);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.cbb1));
    const QList<QWidget*> cycle = {
        form.cbb2, form.edt1,     form.edt2,     form.edt3,     form.edt4, form.edt5,
        form.edt6, form.strngrd1, form.strngrd2, form.strngrd3, form.cht2, form.cbb3,
        form.btn3, form.btn4,     form.btn1,     form.btn2,     form.cbb1};
    for (QWidget* expected : cycle) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QVERIFY2(QApplication::focusWidget() == expected,
               qPrintable("expected " + expected->objectName() + ", got " +
                          QApplication::focusWidget()->objectName()));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.btn2));
  }

  void menu() {
    Program program;
    TForm1& form = *program.form;
    const QList<QAction*> bar = form.mm1->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("文件"));
    QVERIFY(bar[0]->menu() == form.FileMenu1);  // its items: tst_exports
    QCOMPARE(bar[1]->text(), QStringLiteral("帮助"));
    const QList<QAction*> help = form.About1->actions();
    QCOMPARE(help.size(), 2);
    QCOMPARE(help[0]->text(), QStringLiteral("关于"));
    QCOMPARE(help[1]->text(), QStringLiteral("如何使用?"));
    for (QAction* action : {bar[0], bar[1], help[0], help[1]}) {
      QVERIFY(action->shortcut().isEmpty());
    }
    form.Fi1->trigger();  // opening the menu runs no command
    help[1]->trigger();
    QCOMPARE(program.recorder.openedAddresses, std::vector<QString>{AuthorWebAddress});
    QVERIFY(program.recorder.errorBoxes.empty());
  }

  void helpButtonDoesNothing() {
    Program program;
    TForm1& form = *program.form;
    form.edt1->setText(QStringLiteral("5"));
    const QString cell = form.strngrd1->Cells(1, 4);
    form.btn1->click();
    QCOMPARE(form.strngrd1->Cells(1, 4), cell);
    QCOMPARE(form.Parameters().FK1, 2.9);
    QVERIFY(program.recorder.errorBoxes.empty());
    QVERIFY(program.recorder.saveRequests.empty());
  }

  // Enter and the keypad's Enter press the push button that has the focus, as Space does; in an
  // edit box Enter presses nothing, since no button is the default.
  void enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("pressed");
    for (const char* button : {"btn1", "btn2", "btn3", "btn4"}) {
      const QString name = QString::fromLatin1(button);
      QTest::addRow("%s Return", button) << name << int(Qt::Key_Return) << 0 << true;
      QTest::addRow("%s keypad Enter", button)
          << name << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
      QTest::addRow("%s Space", button) << name << int(Qt::Key_Space) << 0 << true;
      QTest::addRow("%s Ctrl+Return", button)
          << name << int(Qt::Key_Return) << int(Qt::ControlModifier) << false;
    }
    QTest::newRow("edit box Return") << "edt1" << int(Qt::Key_Return) << 0 << false;
    QTest::newRow("edit box keypad Enter")
        << "edt6" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
  }
  void enterPressesTheFocusedButton() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, pressed);
    Program program;
    TForm1& form = *program.form;
    program.recorder.saveAnswers.clear();  // the save dialog, if asked, is cancelled
    ShowAndWait(form);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const std::array<QPushButton*, 4> buttons{form.btn1, form.btn2, form.btn3, form.btn4};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QPushButton* button : buttons) {
      spies.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
    }
    QWidget* widget = form.findChild<QWidget*>(focus);
    QVERIFY(widget != nullptr);
    widget->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), widget);
    QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      QCOMPARE(spies[i]->count(), pressed && buttons[i] == widget ? 1 : 0);
    }
  }

  void closeButtonAndCloseBoxAskNothing() {
    Program program;
    TForm1& form = *program.form;
    ShowAndWait(form);
    form.btn4->click();
    QVERIFY(!form.isVisible());
    form.show();
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
    QVERIFY(program.recorder.errorBoxes.empty());
    QVERIFY(program.recorder.notices.empty());
  }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_window_layout.moc"
