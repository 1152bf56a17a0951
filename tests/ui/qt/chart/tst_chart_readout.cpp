// The read-out under the pointer: what it shows, when it is there, where its box goes, and that
// only the screen ever shows it.
#include <QtTest>

#include "ChartFixture.h"
#include "export/ChartImage.h"
#include "report/SaReadout.h"
#include "text/DecimalFormats.h"

using namespace chart_test;

namespace {

std::optional<TChartReading> Reader(double period) {
  auto texts = gb::SpectrumReadoutAt(DefaultParameters(), gb::scII, period);
  if (!texts) return std::nullopt;
  return TChartReading{std::move(texts->period),
                       {std::begin(texts->values), std::end(texts->values)}};
}

// A pointer move without a button, straight to the chart as the window system delivers it.
void Move(TChart& chart, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, pos, chart.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&chart, &move);
}

QStringList Lines(std::initializer_list<const char*> utf8) {
  QStringList lines;
  for (const char* line : utf8) lines.append(QString::fromUtf8(line));
  return lines;
}

}  // namespace

class TestChartReadout : public QObject {
  Q_OBJECT

  std::unique_ptr<TChart> chart_;

 private slots:
  void init() {
    chart_ = MakeSpectrumChart();
    chart_->SetReader(Reader);
    chart_->show();
    QVERIFY(QTest::qWaitForWindowExposed(chart_.get()));
  }

  void edgesOfTheStartUpView() {
    const QRect plot = chart_->PlotArea();
    Move(*chart_, QPoint(plot.x(), plot.center().y()));
    QCOMPARE(chart_->ReadoutLines(),
             Lines({"T = 0.0000 s", "多遇地震动 0.0167", "基本地震动 0.0500", "罕遇地震动 0.0950",
                    "极罕遇地震动 0.1450"}));
    Move(*chart_, QPoint(plot.x() + plot.width(), plot.center().y()));
    QCOMPARE(chart_->ReadoutLines(),
             Lines({"T = 6.0000 s", "多遇地震动 0.0032", "基本地震动 0.0097", "罕遇地震动 0.0208",
                    "极罕遇地震动 0.0317"}));
    QCOMPARE(chart_->ReadoutMarkerX(), plot.x() + plot.width());
  }

  void hiddenCurvesHaveNoLine() {
    ClickLegend(*chart_, gb::lvBasic);
    ClickLegend(*chart_, gb::lvVeryRare);
    const QRect plot = chart_->PlotArea();
    Move(*chart_, QPoint(plot.x(), plot.center().y()));
    QCOMPARE(chart_->ReadoutLines(),
             Lines({"T = 0.0000 s", "多遇地震动 0.0167", "罕遇地震动 0.0950"}));
  }

  void followsTheZoomAndTheScroll() {
    QTest::mousePress(chart_.get(), Qt::LeftButton, {}, Pixel(*chart_, 1.0, 0.3));
    QTest::mouseMove(chart_.get(), Pixel(*chart_, 3.0, 0.1));
    QTest::mouseRelease(chart_.get(), Qt::LeftButton, {}, Pixel(*chart_, 3.0, 0.1));
    QVERIFY(chart_->BottomAxisFixed());
    const QRect plot = chart_->PlotArea();
    Move(*chart_, QPoint(plot.x(), plot.center().y()));
    const std::string left = gb::FormatFourDecimals(chart_->BottomAxisRange().Minimum);
    QCOMPARE(chart_->ReadoutLines().value(0), QString::fromStdString("T = " + left + " s"));
    QVERIFY(std::abs(chart_->BottomAxisRange().Minimum - 1.0) < 0.05);

    // Scrolled left of zero: no reading there, one again right of it.
    QTest::mousePress(chart_.get(), Qt::RightButton, {}, QPoint(plot.x() + 10, plot.center().y()));
    QTest::mouseMove(chart_.get(), QPoint(plot.x() + plot.width() - 10, plot.center().y()));
    QTest::mouseRelease(chart_.get(), Qt::RightButton, {},
                        QPoint(plot.x() + plot.width() - 10, plot.center().y()));
    QVERIFY(chart_->BottomAxisRange().Minimum < 0);
    Move(*chart_, QPoint(plot.x() + 1, plot.center().y()));
    QVERIFY(!chart_->ReadoutShown());
    Move(*chart_, QPoint(plot.x() + plot.width(), plot.center().y()));
    QVERIFY(chart_->ReadoutShown());
  }

  void goneWhileDraggingAndOutsideThePlot() {
    const QRect plot = chart_->PlotArea();
    const QPoint centre = plot.center();
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
      Move(*chart_, centre);
      QVERIFY(chart_->ReadoutShown());
      QTest::mousePress(chart_.get(), button, {}, centre);
      QVERIFY(!chart_->ReadoutShown());
      QTest::mouseMove(chart_.get(), centre + QPoint(5, 5));
      QVERIFY(!chart_->ReadoutShown());
      QTest::mouseRelease(chart_.get(), button, {}, centre + QPoint(5, 5));
      QVERIFY(chart_->ReadoutShown());  // the pointer still rests on the plot
    }
    Move(*chart_, QPoint(plot.x() - 5, centre.y()));  // over the left axis labels
    QVERIFY(!chart_->ReadoutShown());
    Move(*chart_, centre);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(chart_.get(), &leave);
    QVERIFY(!chart_->ReadoutShown());
  }

  void boxStaysInThePlotAwayFromLegendAndMarker() {
    const QRect plot = chart_->PlotArea();
    for (int x = plot.x(); x <= plot.x() + plot.width(); x += 11) {
      Move(*chart_, QPoint(x, plot.center().y()));
      const QRect box = chart_->ReadoutBox();
      QVERIFY(plot.contains(box));
      QVERIFY(!box.intersects(chart_->LegendRect()));
      QVERIFY2(x < box.left() || x > box.right(), qPrintable(QString::number(x)));
      // Near either edge, on the other side of the plot from the pointer, not just beside it.
      if (std::abs(x - plot.center().x()) > plot.width() / 4) {
        QVERIFY2((x < plot.center().x()) != (box.center().x() < plot.center().x()),
                 qPrintable(QString::number(x)));
      }
    }
  }

  // Screen only: the widget shows the marker and box, the images the chart exports do not.
  void onlyTheScreenShowsIt() {
    const QSize pixels = chart_->size() * 2;
    const QImage before = gb::ChartImage(chart_->Plot(), pixels, 2);
    const QImage screenBefore = chart_->grab().toImage();
    Move(*chart_, chart_->PlotArea().center());
    QVERIFY(chart_->ReadoutShown());
    const QImage screen = chart_->grab().toImage();
    QVERIFY(screen != screenBefore);
    QCOMPARE(gb::ChartImage(chart_->Plot(), pixels, 2), before);
  }
};

QTEST_MAIN(TestChartReadout)
#include "tst_chart_readout.moc"
