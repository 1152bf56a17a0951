// The chart inside the window: what Calculate and a site-class change do to the curves the user
// has hidden, zoomed or scrolled.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

#include "UiTestSupport.h"
#include "engine/DesignResponse.h"

using namespace gb;
using gb::test::Program;

namespace {

TSpectrumSeries* SeriesOf(TForm1& form, int level) {
  TSpectrumSeries* const series[] = {form.hrzlnsrsSeries1, form.hrzlnsrsSeries2,
                                     form.hrzlnsrsSeries3, form.hrzlnsrsSeries4};
  return series[level];
}

void ClickLegendRow(TChart& chart, int row) {
  QTest::mouseClick(&chart, Qt::LeftButton, {}, chart.LegendRowRect(row).center());
}

double LargestOrdinate(const TSpectrumSeries& series) {
  double top = series.YValue(0);
  for (int i = 1; i < series.Count(); ++i) top = std::max(top, series.YValue(i));
  return top;
}

}  // namespace

class TestWindowChart : public QObject {
  Q_OBJECT

 private slots:
  void seriesTextsAndColours() {
    Program program;
    const struct {
      const char* title;
      QColor colour;
    } kSeries[] = {{"多遇地震动", QColor(0, 128, 0)},
                   {"基本地震动", QColor(255, 0, 0)},
                   {"罕遇地震动", QColor(0, 0, 255)},
                   {"极罕遇地震动", QColor(0, 0, 0)}};
    for (int level = 0; level < 4; ++level) {
      QCOMPARE(SeriesOf(*program.form, level)->Title(), QString::fromUtf8(kSeries[level].title));
      QCOMPARE(SeriesOf(*program.form, level)->Color(), kSeries[level].colour);
    }
  }

  void startUpShowsTheFourSiteTwoCurves() {
    Program program;
    TForm1& form = *program.form;
    QCOMPARE(form.cbb3->currentIndex(), static_cast<int>(scII));
    for (int level = 0; level < kLevelCount; ++level) {
      const TSpectrumSeries& series = *SeriesOf(form, level);
      QCOMPARE(series.Count(), SpectrumPointCount);
      QCOMPARE(series.XValue(0), 0.0);
      QCOMPARE(series.YValue(0), form.Parameters().FPga[level][scII]);
      QCOMPARE(series.XValue(SpectrumPointCount - 1), 6.0);
    }
    QCOMPARE(form.cht2->BottomAxisRange().Minimum, 0.0);
    QCOMPARE(form.cht2->BottomAxisRange().Maximum, 6.0);
    QCOMPARE(form.cht2->LeftAxisRange().Maximum,
             SpectrumOrdinate(form.Parameters(), lvVeryRare, scII, 4));
  }

  void hiddenCurveStaysHiddenAfterCalculateAndSiteChange() {
    Program program;
    TForm1& form = *program.form;
    ClickLegendRow(*form.cht2, lvVeryRare);
    QVERIFY(!form.hrzlnsrsSeries4->Active());
    QCOMPARE(form.cht2->LeftAxisRange().Maximum, LargestOrdinate(*form.hrzlnsrsSeries3));

    form.edt1->setText(QStringLiteral("3.5"));
    form.btn2Click(form.btn2);
    form.cbb3->setCurrentIndex(scIV);
    emit form.cbb3->activated(scIV);  // as a user's choice in the list

    QVERIFY(!form.hrzlnsrsSeries4->Active());
    for (int level = 0; level < kLevelCount; ++level) {
      QCOMPARE(SeriesOf(form, level)->Count(), SpectrumPointCount);
      QCOMPARE(SeriesOf(form, level)->YValue(0), form.Parameters().FPga[level][scIV]);
    }
    QCOMPARE(form.cht2->LeftAxisRange().Maximum, LargestOrdinate(*form.hrzlnsrsSeries3));
  }

  // The read-out reads the curves as plotted: a calculation stopped by a rejected text before its
  // re-plot leaves curves and read-out as they were, the next re-plot moves both.
  void readoutFollowsThePlottedCurves() {
    Program program;
    TForm1& form = *program.form;
    TChart& chart = *form.cht2;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint atZero(chart.PlotArea().x(), chart.PlotArea().center().y());
    QTest::mouseMove(&chart, atZero);
    QCOMPARE(chart.ReadoutLines().value(0), QStringLiteral("T = 0.0000 s"));
    QCOMPARE(chart.ReadoutLines().value(4), QString::fromUtf8("极罕遇地震动 0.1450"));

    form.edt1->setText(QStringLiteral("5"));     // very rare: 5 x 0.05 g
    form.edt4->setText(QStringLiteral("none"));  // stops the calculation before the re-plot
    QVERIFY_THROWS_EXCEPTION(Exception, form.btn2Click(form.btn2));
    QCOMPARE(form.Parameters().FPga[lvVeryRare][scII], 0.25);
    QTest::mouseMove(&chart, atZero + QPoint(0, 1));
    QCOMPARE(chart.ReadoutLines().value(4), QString::fromUtf8("极罕遇地震动 0.1450"));

    form.cbb3->setCurrentIndex(scII);
    emit form.cbb3->activated(scII);  // re-plots from the values stored so far
    // New labels on the left axis move the plot's left edge.
    QTest::mouseMove(&chart, QPoint(chart.PlotArea().x(), chart.PlotArea().center().y()));
    QCOMPARE(chart.ReadoutLines().value(0), QStringLiteral("T = 0.0000 s"));
    QCOMPARE(chart.ReadoutLines().value(4), QString::fromUtf8("极罕遇地震动 0.2500"));
  }

  void zoomSurvivesCalculateUntilRestored() {
    Program program;
    TForm1& form = *program.form;
    TChart& chart = *form.cht2;
    form.show();  // pointer moves reach only a shown window
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect plot = chart.PlotArea();
    QTest::mousePress(&chart, Qt::LeftButton, {}, plot.topLeft() + QPoint(20, 20));
    QTest::mouseMove(&chart, plot.center());
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, plot.center());
    QVERIFY(chart.BottomAxisFixed() && chart.LeftAxisFixed());
    const TChartRange zoomed = chart.BottomAxisRange();

    form.btn2Click(form.btn2);
    form.cbb3->setCurrentIndex(scI0);
    emit form.cbb3->activated(scI0);
    QCOMPARE(chart.BottomAxisRange().Minimum, zoomed.Minimum);
    QCOMPARE(chart.BottomAxisRange().Maximum, zoomed.Maximum);

    QTest::mousePress(&chart, Qt::LeftButton, {}, plot.center());
    QTest::mouseMove(&chart, plot.topLeft() + QPoint(20, 20));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, plot.topLeft() + QPoint(20, 20));
    QVERIFY(!chart.BottomAxisFixed());
    QCOMPARE(chart.BottomAxisRange().Maximum, 6.0);
  }
};

QTEST_MAIN(TestWindowChart)
#include "tst_window_chart.moc"
