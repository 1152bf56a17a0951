// Legend clicks, zoom, scroll and wheel of the chart, driven by synthesized mouse events.
#include <QtTest>
#include <cmath>

#include "ChartFixture.h"

using namespace chart_test;

namespace {

void Drag(TChart& chart, Qt::MouseButton button, QPoint from, QPoint to) {
  QTest::mousePress(&chart, button, {}, from);
  QTest::mouseMove(&chart, (from + to) / 2);
  QTest::mouseMove(&chart, to);
  QTest::mouseRelease(&chart, button, {}, to);
}

bool Near(const TChartRange& r, double lo, double hi, double tolerance) {
  return std::abs(r.Minimum - lo) <= tolerance && std::abs(r.Maximum - hi) <= tolerance;
}

}  // namespace

class TestChartMouse : public QObject {
  Q_OBJECT

  std::unique_ptr<TChart> chart_;
  TChartRange bottom_, left_;       // start-up ranges
  double pixelX_ = 0, pixelY_ = 0;  // value per pixel at start-up

 private slots:
  void init() {
    chart_ = MakeSpectrumChart();
    chart_->show();
    QVERIFY(QTest::qWaitForWindowExposed(chart_.get()));
    bottom_ = chart_->BottomAxisRange();
    left_ = chart_->LeftAxisRange();
    pixelX_ = (bottom_.Maximum - bottom_.Minimum) / chart_->PlotArea().width();
    pixelY_ = (left_.Maximum - left_.Minimum) / chart_->PlotArea().height();
  }

  void legendRowTogglesAnywhereOnIt() {
    const QRect row = chart_->LegendRowRect(gb::lvBasic);
    QVERIFY(chart_->PlotArea().contains(chart_->LegendRect()));
    QCOMPARE(chart_->LegendRect().y(), 20);                                   // a tenth of 198
    for (const int x : {row.left() + 2, row.left() + 30, row.right() - 3}) {  // box, line, text
      QTest::mouseClick(chart_.get(), Qt::LeftButton, {}, QPoint(x, row.center().y()));
      QVERIFY(!chart_->Series(gb::lvBasic)->Active());
      QTest::mouseClick(chart_.get(), Qt::LeftButton, {}, QPoint(x, row.center().y()));
      QVERIFY(chart_->Series(gb::lvBasic)->Active());
    }
  }

  void zoomHoldsThroughReplotsUntilARightToLeftDrag() {
    QTest::mousePress(chart_.get(), Qt::LeftButton, {}, Pixel(*chart_, 1.0, 0.3));
    QVERIFY(chart_->ZoomRectangleShown());
    Drag(*chart_, Qt::LeftButton, Pixel(*chart_, 1.0, 0.3), Pixel(*chart_, 3.0, 0.1));
    QVERIFY(!chart_->ZoomRectangleShown());
    QVERIFY(Near(chart_->BottomAxisRange(), 1.0, 3.0, pixelX_));
    QVERIFY(Near(chart_->LeftAxisRange(), 0.1, 0.3, pixelY_));
    const TChartRange zoomed = chart_->LeftAxisRange();
    Replot(*chart_, gb::scIV);
    QVERIFY(chart_->LeftAxisRange() == zoomed);

    const QPoint centre = chart_->PlotArea().center();
    Drag(*chart_, Qt::LeftButton, centre, centre + QPoint(-30, -30));  // up or down: no matter
    QVERIFY(!chart_->BottomAxisFixed() && !chart_->LeftAxisFixed());
    QCOMPARE(chart_->LeftAxisRange().Maximum, MaxY(*chart_->Series(gb::lvVeryRare)));  // of IV
  }

  void dragMustExceedSixteenPixelsBothWays_data() {
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("counts");
    QTest::newRow("16 x 16") << 16 << 16 << false;
    QTest::newRow("17 x 16") << 17 << 16 << false;
    QTest::newRow("16 x 17") << 16 << 17 << false;
    QTest::newRow("17 x 17") << 17 << 17 << true;
    QTest::newRow("17 x -17") << 17 << -17 << true;
    QTest::newRow("-16 x 40") << -16 << 40 << false;
    QTest::newRow("-17 x 17") << -17 << 17 << true;
  }
  void dragMustExceedSixteenPixelsBothWays() {
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, counts);
    const QPoint centre = chart_->PlotArea().center();
    if (dx < 0) Drag(*chart_, Qt::LeftButton, centre, centre + QPoint(50, 50));  // to restore
    const TChartRange bottom = chart_->BottomAxisRange(), left = chart_->LeftAxisRange();
    Drag(*chart_, Qt::LeftButton, centre, centre + QPoint(dx, dy));
    QCOMPARE(chart_->BottomAxisRange() == bottom && chart_->LeftAxisRange() == left, !counts);
  }

  void noZoomWithEveryCurveHiddenOrOutsideThePlot() {
    const QRect plot = chart_->PlotArea();
    const QPoint below(plot.center().x(), plot.bottom() + 10);
    Drag(*chart_, Qt::LeftButton, below, below + QPoint(80, -80));
    for (int l = 0; l < 4; ++l) ClickLegend(*chart_, l);
    QTest::mousePress(chart_.get(), Qt::LeftButton, {}, plot.topLeft() + QPoint(10, 10));
    QVERIFY(!chart_->ZoomRectangleShown());
    QTest::mouseRelease(chart_.get(), Qt::LeftButton, {}, plot.topLeft() + QPoint(10, 10));
    Drag(*chart_, Qt::LeftButton, plot.topLeft() + QPoint(10, 10), plot.center());
    QVERIFY(!chart_->BottomAxisFixed() && !chart_->LeftAxisFixed());
  }

  void rightDragMovesTheAxesItShifts() {
    const QPoint centre = chart_->PlotArea().center();
    Drag(*chart_, Qt::RightButton, centre, centre + QPoint(-40, 0));
    QVERIFY(chart_->BottomAxisFixed() && !chart_->LeftAxisFixed());
    // The data follows the pointer: dragging left brings larger periods in.
    QVERIFY(Near(chart_->BottomAxisRange(), 40 * pixelX_, 6 + 40 * pixelX_, 1e-9));
    Drag(*chart_, Qt::RightButton, centre, centre + QPoint(40, -30));
    QVERIFY(Near(chart_->BottomAxisRange(), 0, 6, 1e-9));
    QVERIFY(Near(chart_->LeftAxisRange(), left_.Minimum - 30 * pixelY_,
                 left_.Maximum - 30 * pixelY_, 1e-12));
    const TChartRange scrolled = chart_->LeftAxisRange();
    Replot(*chart_, gb::scI0);
    QVERIFY(chart_->LeftAxisRange() == scrolled);
  }

  void wheelShiftsTheLeftAxisOnlyWithFocus() {
    auto wheel = [&](int angle) {
      const QPointF pos = chart_->PlotArea().center();
      QWheelEvent e(pos, chart_->mapToGlobal(pos), {}, QPoint(0, angle), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(chart_.get(), &e);
    };
    chart_->clearFocus();
    wheel(120);
    QVERIFY(!chart_->LeftAxisFixed());
    chart_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(chart_.get()));
    QTest::mouseClick(chart_.get(), Qt::LeftButton, {}, chart_->PlotArea().center());
    QVERIFY(chart_->hasFocus() && !chart_->LeftAxisFixed());  // the click is no zoom
    const double notch = 0.03 * (left_.Maximum - left_.Minimum);
    wheel(120);  // away from the user: larger values
    QVERIFY(Near(chart_->LeftAxisRange(), left_.Minimum + notch, left_.Maximum + notch, 1e-12));
    wheel(-240);
    QVERIFY(Near(chart_->LeftAxisRange(), left_.Minimum - notch, left_.Maximum - notch, 1e-12));
    QVERIFY(!chart_->BottomAxisFixed());
  }

  // Zooming again and again into the middle of the view stops where the labels would lose their
  // meaning: every view keeps two distinct labels on each axis, and a zoom past that limit
  // leaves the view as it is.
  void repeatedZoomsStopWhileEveryViewIsLabelled() {
    TChartRange lastBottom = chart_->BottomAxisRange(), lastLeft = chart_->LeftAxisRange();
    int unchanged = 0;
    for (int zoom = 0; zoom < 80; ++zoom) {
      const QRect plot = chart_->PlotArea();
      const QPoint from = plot.center() - QPoint(plot.width() / 5, plot.height() / 5);
      Drag(*chart_, Qt::LeftButton, from,
           plot.center() + QPoint(plot.width() / 5, plot.height() / 5));
      for (const QStringList& labels : {chart_->BottomAxisLabels(), chart_->LeftAxisLabels()}) {
        QVERIFY2(labels.size() >= 2,
                 qPrintable(QString("zoom %1: %2").arg(zoom).arg(labels.join(' '))));
        QCOMPARE(QStringList(labels).removeDuplicates(), 0);
      }
      const bool same =
          chart_->BottomAxisRange() == lastBottom && chart_->LeftAxisRange() == lastLeft;
      unchanged += same;
      lastBottom = chart_->BottomAxisRange();
      lastLeft = chart_->LeftAxisRange();
    }
    QVERIFY(unchanged > 10);  // the limit was reached well before the 80th zoom
    // The narrowest view still spans at least a step of the finest label (7 and 8 decimals).
    QVERIFY(lastBottom.Maximum - lastBottom.Minimum >= 1e-7);
    QVERIFY(lastLeft.Maximum - lastLeft.Minimum >= 1e-8);
    // A right-to-left drag still restores the automatic ranges.
    const QPoint centre = chart_->PlotArea().center();
    Drag(*chart_, Qt::LeftButton, centre, centre + QPoint(-30, 30));
    QVERIFY(chart_->BottomAxisRange() == bottom_ && chart_->LeftAxisRange() == left_);
  }

  void replotIsPaintedOnceAfterTheHandler() {
    QCoreApplication::processEvents();
    struct PaintCounter : QObject {
      int paints = 0;
      bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
      }
    } counter;
    chart_->installEventFilter(&counter);
    Replot(*chart_, gb::scIII);
    QCOMPARE(counter.paints, 0);
    QTRY_COMPARE(counter.paints, 1);
    QTest::qWait(50);
    QCOMPARE(counter.paints, 1);
    chart_->removeEventFilter(&counter);
  }
};

QTEST_MAIN(TestChartMouse)
#include "tst_chart_mouse.moc"
