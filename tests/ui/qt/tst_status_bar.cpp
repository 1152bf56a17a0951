// The status bar: pane order and widths through resizes, colours, separators and the size grip.
#include <QImage>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "DesktopTestSupport.h"
#include "ui/qt/StatusBar.h"

using namespace gb;

namespace {

// A window with the bar along its bottom edge, the way the main window holds it.
struct Host {
  std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
  TStatusBarControls bar;

  Host() {
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    bar = CreateStatusBar(window.get());
    layout->addWidget(bar.rzstsbr2);
    window->resize(967, 540);
    window->show();
  }
};

}  // namespace

class TestStatusBar : public QObject {
  Q_OBJECT

 private slots:
  void panesKeepOrderAndWidths_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("designed size") << 967 << 540;
    QTest::newRow("wider and taller") << 1500 << 900;
    QTest::newRow("narrower than the panes") << 250 << 200;
  }
  void panesKeepOrderAndWidths() {
    QFETCH(int, width);
    QFETCH(int, height);
    Host host;
    host.window->resize(width, height);
    QCoreApplication::processEvents();

    const TRzStatusBar* bar = host.bar.rzstsbr2;
    QCOMPARE(bar->geometry(), QRect(0, height - 26, width, 26));
    const QList<TRzFieldStatus*> panes = bar->Panes();
    QCOMPARE(panes,
             QList<TRzFieldStatus*>({host.bar.rzfldsts3, host.bar.rzfldsts1, host.bar.rzfldsts2}));
    QCOMPARE(panes[0]->geometry(), QRect(0, 0, 58, 26));
    QCOMPARE(panes[1]->geometry(), QRect(58, 0, 165, 26));
    QCOMPARE(panes[2]->geometry(), QRect(223, 0, 114, 26));
    QCOMPARE(panes[0]->Caption(), QString("  Varnelo  "));
    QCOMPARE(panes[2]->Caption(), QString(" www.example.org"));
    // The link's black is its own; the other panes follow the system's window-text colour.
    QPalette system = host.window->palette();
    system.setColor(QPalette::WindowText, Qt::darkGreen);
    host.window->setPalette(system);
    QCOMPARE(panes[0]->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
    QCOMPARE(panes[2]->palette().color(QPalette::WindowText), QColor(Qt::black));
  }

  // Lightness on the 0..240 scale of the system colour dialog: light grey 240 is 226 there.
  void lightnessSteps_data() {
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("button face -20") << QColor(240, 240, 240) << -20 << QColor(218, 218, 218);
    QTest::newRow("button face -40") << QColor(240, 240, 240) << -40 << QColor(197, 197, 197);
    QTest::newRow("red keeps its hue") << QColor(255, 0, 0) << -20 << QColor(213, 0, 0);
    QTest::newRow("not below black") << QColor(8, 8, 8) << -20 << QColor(0, 0, 0);
    QTest::newRow("not above white") << QColor(250, 250, 250) << 40 << QColor(255, 255, 255);
  }
  void lightnessSteps() {
    QFETCH(QColor, colour);
    QFETCH(int, delta);
    QFETCH(QColor, expected);
    QCOMPARE(AdjustLightness(colour, delta), expected);
  }

  void paintsSeparatorsAndGrip() {
    Host host;
    const QImage image = host.bar.rzstsbr2->grab().toImage();
    const QColor separator =
        AdjustLightness(host.bar.rzstsbr2->palette().color(QPalette::Button), -40);
    const auto at = [&image](int x, int y) { return QColor(image.pixel(x, y)); };
    // The welcome pane (left 58, border 1) and the link pane (left 223, border 3): the left
    // column of the inset rectangle without its first and last row. The first pane has none.
    for (int y = 2; y <= 23; ++y) QVERIFY2(at(59, y) == separator, qPrintable(QString::number(y)));
    QVERIFY(at(59, 1) != separator && at(59, 24) != separator && at(58, 12) != separator);
    for (int y = 4; y <= 21; ++y) QVERIFY(at(226, y) == separator);
    QVERIFY(at(226, 3) != separator && at(226, 22) != separator);
    QVERIFY(at(1, 12) != separator);
    // The grip's bottom-right square casts its shadow one pixel up and left.
    QCOMPARE(at(967 - 4, 26 - 4), separator);
  }

  void sizeGripFollowsTheWindowState() {
    Host host;
    QWidget* grip = host.bar.rzstsbr2->SizeGrip();
    QCOMPARE(grip->geometry(), QRect(967 - 13, 0, 13, 26));
    QCOMPARE(grip->cursor().shape(), Qt::SizeFDiagCursor);
    QVERIFY(grip->isVisible());
    host.window->showMaximized();
    QVERIFY(!grip->isVisible());
    host.window->showNormal();
    QVERIFY(grip->isVisible());
    host.window->setFixedSize(800, 500);
    QVERIFY(!grip->isVisible());
  }

  // Without a window manager to take over the drag, the grip drags the corner itself.
  void gripResizesTheWindowFromItsCorner() {
    Host host;
    host.window->setMinimumSize(400, 300);
    QWidget* grip = host.bar.rzstsbr2->SizeGrip();
    const QPoint pressed = grip->mapToGlobal(QPoint(6, 20));
    // Moves are given on the screen: the grip itself moves with the corner it drags.
    const auto moveTo = [grip](QPoint global, Qt::MouseButton button) {
      test::SendMouse(grip, QEvent::MouseMove, grip->mapFromGlobal(global), button);
    };
    test::SendMouse(grip, QEvent::MouseButtonPress, grip->mapFromGlobal(pressed), Qt::LeftButton);
    moveTo(pressed + QPoint(40, 30), Qt::LeftButton);
    QCOMPARE(host.window->size(), QSize(1007, 570));
    moveTo(pressed - QPoint(1000, 1000), Qt::LeftButton);
    QCOMPARE(host.window->size(), QSize(400, 300));
    test::SendMouse(grip, QEvent::MouseButtonRelease, grip->mapFromGlobal(pressed), Qt::LeftButton);
  }
};

QTEST_MAIN(TestStatusBar)
#include "tst_status_bar.moc"
