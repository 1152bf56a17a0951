// Series contents, automatic ranges and axis label texts of the chart.
#include <QtTest>
#include <cmath>
#include <limits>

#include "ChartFixture.h"
#include "text/DecimalFormats.h"
#include "text/NumberSeparators.h"

using namespace chart_test;

class TestChartData : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    gb::DecimalSeparator = u'.';
    gb::ThousandSeparator = u',';
  }

  void seriesKeepAppendOrderAndStateAcrossReplots() {
    const gb::ParameterSet p = DefaultParameters();
    auto chart = MakeSpectrumChart();
    TChartSeries& basic = *chart->Series(gb::lvBasic);
    basic.Clear();
    for (const double x : {3.0, 1.0, 2.0}) basic.AddXY(x, 0);
    QCOMPARE(basic.XValue(0), 3.0);
    QCOMPARE(basic.XValue(2), 2.0);
    ClickLegend(*chart, gb::lvBasic);
    for (const int site : {gb::scII, gb::scI0, gb::scIV, gb::scII}) {
      Replot(*chart, site);
      for (int l = 0; l < 4; ++l) {
        const TChartSeries& s = *chart->Series(l);
        QCOMPARE(s.Count(), 241);
        QCOMPARE(s.XValue(0), 0.0);
        QCOMPARE(s.YValue(0), p.FPga[l][site]);
        QCOMPARE(s.XValue(240), 6.0);
        QCOMPARE(s.Active(), l != gb::lvBasic);
      }
    }
    QCOMPARE(basic.Title(), QString::fromUtf8("基本地震动"));
    QCOMPARE(basic.Color(), QColor(Qt::red));
  }

  void rangesAreTheExtentOfTheShownCurves() {
    auto chart = MakeSpectrumChart();
    const TChartRange bottom = chart->BottomAxisRange(), left = chart->LeftAxisRange();
    QVERIFY(bottom == (TChartRange{0, 6}));
    QCOMPARE(left.Minimum,
             gb::SpectrumOrdinate(DefaultParameters(), gb::lvFrequent, gb::scII, 240));
    QCOMPARE(left.Maximum, MaxY(*chart->Series(gb::lvVeryRare)));
    QVERIFY(std::abs(left.Minimum - 0.00323) < 0.000005 && std::abs(left.Maximum - 0.3625) < 1e-12);

    ClickLegend(*chart, gb::lvVeryRare);
    QCOMPARE(chart->LeftAxisRange().Maximum, MaxY(*chart->Series(gb::lvRare)));
    Replot(*chart, gb::scIII);
    QCOMPARE(chart->LeftAxisRange().Maximum, MaxY(*chart->Series(gb::lvRare)));
    Replot(*chart, gb::scII);
    for (const int l : {0, 1, 2}) ClickLegend(*chart, l);  // none shown: all four count
    QVERIFY(chart->BottomAxisRange() == bottom && chart->LeftAxisRange() == left);
  }

  void nonFiniteAndFlatDataKeepAUsableScale_data() {
    QTest::addColumn<QList<double>>("ys");
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    QTest::newRow("non-finite skipped") << QList<double>{1, nan, inf, -inf, 2} << 1.0 << 2.0;
    QTest::newRow("no points") << QList<double>{} << 0.0 << 1.0;
    QTest::newRow("flat zero") << QList<double>{0, 0} << 0.0 << 0.0;
    QTest::newRow("flat platform") << QList<double>{0.125, 0.125} << 0.125 << 0.125;
    const double big = std::numeric_limits<double>::max(), tiny = 5e-324;
    QTest::newRow("flat largest") << QList<double>{big, big} << big << big;
    QTest::newRow("flat subnormal") << QList<double>{tiny, tiny} << tiny << tiny;
  }
  void nonFiniteAndFlatDataKeepAUsableScale() {
    QFETCH(QList<double>, ys);
    QFETCH(double, lo);
    QFETCH(double, hi);
    TChart chart;
    chart.resize(448, 198);
    TChartSeries& s = *chart.AddSeries("s", Qt::red);
    for (const double y : ys) s.AddXY(y, y);
    QCOMPARE(s.Count(), ys.size());
    const TChartRange r = chart.LeftAxisRange();
    QVERIFY(std::isfinite(r.Minimum) && std::isfinite(r.Maximum) && r.Minimum < r.Maximum);
    QVERIFY(r.Minimum <= lo && hi <= r.Maximum);
    if (lo < hi) QVERIFY(r == (TChartRange{lo, hi}));
    QVERIFY(!chart.grab().isNull());  // paints without dividing by zero or looping
  }

  void startupLabelsAreRoundValuesWithoutNoise() {
    auto chart = MakeSpectrumChart();
    QCOMPARE(chart->BottomAxisLabels().join(' '), QString("0 0.5 1 1.5 2 2.5 3 3.5 4 4.5 5 5.5 6"));
    QCOMPARE(chart->LeftAxisLabels().join(' '), QString("0.05 0.1 0.15 0.2 0.25 0.3 0.35"));
  }

  // Whatever the range: equally spaced 1-2-5 ticks inside it, each labelled with the program's
  // own text, no two neighbours alike.
  void labelsFollowRoundTicksForAnyRange_data() {
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::newRow("tiny") << 0.0 << 0.0000009;
    QTest::newRow("narrow around one") << 1.0 << 1.0000003;
    QTest::newRow("negative") << -2.75 << -0.25;
    QTest::newRow("across zero") << -0.3 << 0.7;
    QTest::newRow("millions") << 0.0 << 3000000.0;
    QTest::newRow("huge") << 1e20 << 5e20;
  }
  void labelsFollowRoundTicksForAnyRange() {
    QFETCH(double, lo);
    QFETCH(double, hi);
    TChart chart;
    chart.resize(448, 198);
    chart.AddSeries("s", Qt::red)->AddXY(lo, lo);
    chart.Series(0)->AddXY(hi, hi);
    for (const bool bottom : {true, false}) {
      const std::vector<double> ticks = bottom ? chart.BottomAxisTicks() : chart.LeftAxisTicks();
      const QStringList labels = bottom ? chart.BottomAxisLabels() : chart.LeftAxisLabels();
      QVERIFY2(ticks.size() >= 2 && labels.size() == qsizetype(ticks.size()),
               qPrintable(labels.join(' ')));
      const long double spacing = static_cast<long double>(ticks[1]) - ticks[0];
      const long double decade = std::pow(10.0L, std::floor(std::log10(spacing * 1.000001L)));
      const long double mantissa = std::round(spacing / decade);
      QVERIFY(mantissa == 1 || mantissa == 2 || mantissa == 5);
      for (std::size_t i = 0; i < ticks.size(); ++i) {
        const long double k = ticks[i] / (mantissa * decade);
        QVERIFY(lo <= ticks[i] && ticks[i] <= hi);
        QVERIFY(std::abs(k - std::round(k)) <= 1e-6L + std::abs(k) * 1e-15L);
        QCOMPARE(labels[qsizetype(i)],
                 QString::fromStdString(gb::FormatGroupedDecimal(ticks[i], bottom ? 7 : 8)));
        if (i > 0) QVERIFY(labels[qsizetype(i)] != labels[qsizetype(i - 1)]);
      }
    }
  }

  void labelsUseTheProcessSeparators() {
    gb::DecimalSeparator = u',';
    gb::ThousandSeparator = u'.';
    auto chart = MakeSpectrumChart();
    QCOMPARE(chart->LeftAxisLabels().first(), QString("0,05"));
    chart->Series(0)->AddXY(3000000, 0.1);
    QVERIFY(chart->BottomAxisLabels().contains("1.000.000"));
  }
};

QTEST_MAIN(TestChartData)
#include "tst_chart_data.moc"
