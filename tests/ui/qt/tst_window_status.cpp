// The status bar inside the window and the web links the window offers.
#include <QAction>
#include <QTest>

#include "UiTestSupport.h"
#include "report/Author.h"
#include "ui/qt/StatusBar.h"

using namespace gb;
using gb::test::Program;

class TestWindowStatus : public QObject {
  Q_OBJECT

 private slots:
  void panesKeepOrderAndWidthsWhenTheWindowGrows() {
    Program program;
    TForm1& form = *program.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const int extra : {0, 250}) {
      form.resize(TForm1::kClientWidth + extra, form.height());
      QTRY_COMPARE(form.rzstsbr2->width(), form.ClientArea()->width());
      QCOMPARE(form.rzstsbr2->height(), 26);
      const struct {
        TRzFieldStatus* pane;
        int left, width;
      } expected[] = {
          {form.rzfldsts3, 0, 58}, {form.rzfldsts1, 58, 165}, {form.rzfldsts2, 223, 114}};
      for (const auto& e : expected) {
        QCOMPARE(e.pane->geometry().left(), e.left);
        QCOMPARE(e.pane->geometry().width(), e.width);
      }
    }
    QCOMPARE(form.rzfldsts2->Caption(), " " + QString::fromUtf8(AuthorWebAddress));
  }

  void menuItemAndStatusLinkOpenTheAuthorsAddress() {
    Program program;
    TForm1& form = *program.form;
    form.Howtouse1->trigger();
    QTest::mouseClick(form.rzfldsts2, Qt::LeftButton, {}, form.rzfldsts2->rect().center());
    const QString address = QString::fromUtf8(AuthorWebAddress);
    QCOMPARE(program.recorder.openedAddresses, (std::vector<QString>{address, address}));
    QVERIFY(program.recorder.errorBoxes.empty());
  }
};

QTEST_MAIN(TestWindowStatus)
#include "tst_window_status.moc"
