// The painted chart, checked on offscreen grabs. GB_CHART_SNAPSHOT_DIR keeps them as PNG files.
#include <QtTest>
#include <cmath>
#include <limits>

#include "ChartFixture.h"
#include "export/ChartImage.h"

using namespace chart_test;

namespace {

QImage Grab(TChart& chart, const char* name) {
  const QImage image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString dir = qEnvironmentVariable("GB_CHART_SNAPSHOT_DIR");
  if (!dir.isEmpty()) image.save(dir + "/" + name + ".png");
  return image;
}

// Pixels of exactly this colour inside `area` but outside the legend.
int Count(const QImage& image, const TChart& chart, QColor colour, QRect area) {
  const QRect legend = chart.LegendRect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      n += !legend.contains(x, y) && image.pixel(x, y) == colour.rgb();
  return n;
}

bool Near(QRgb pixel, int grey, int tolerance) {
  return std::abs(qRed(pixel) - grey) <= tolerance && qRed(pixel) == qGreen(pixel) &&
         qGreen(pixel) == qBlue(pixel);
}

const QColor kCurves[] = {QColor(0, 128, 0), Qt::red, Qt::blue, Qt::black};

}  // namespace

class TestChartRender : public QObject {
  Q_OBJECT

 private slots:
  void startupBackgroundsAxesAndCurves() {
    auto chart = MakeSpectrumChart();
    const QImage image = Grab(*chart, "chart-startup");
    const QRect plot = chart->PlotArea();
    const int bottom = plot.y() + plot.height();
    QVERIFY(Near(image.pixel(1, 1), 234, 0) && Near(image.pixel(1, 98), 234, 1));
    QVERIFY(Near(image.pixel(1, 197), 255, 2));
    QVERIFY(Near(image.pixel(plot.x() + 3, plot.y() + 1), 234, 2));
    QVERIFY(Near(image.pixel(plot.x() + 3, bottom - 2), 255, 3));
    for (const int x : {plot.x() - 1, plot.x()}) QCOMPARE(image.pixel(x, 50), qRgb(64, 64, 64));
    QCOMPARE(image.pixel(plot.center().x(), bottom), qRgb(64, 64, 64));
    for (const QColor& c : kCurves) QVERIFY(Count(image, *chart, c, plot) > 100);
  }

  void hiddenCurveIsNotDrawnAndZoomClipsToThePlot() {
    auto chart = MakeSpectrumChart();
    ClickLegend(*chart, gb::lvBasic);
    QImage image = Grab(*chart, "chart-hidden-basic");
    QCOMPARE(Count(image, *chart, Qt::red, chart->PlotArea()), 0);
    ClickLegend(*chart, gb::lvBasic);

    const QPoint from = Pixel(*chart, 0.05, 0.2), to = Pixel(*chart, 1.0, 0.04);
    QTest::mousePress(chart.get(), Qt::LeftButton, {}, from);
    QTest::mouseMove(chart.get(), to);
    QTest::mouseRelease(chart.get(), Qt::LeftButton, {}, to);
    image = Grab(*chart, "chart-zoomed");
    const QRect above(0, 0, chart->width(), chart->PlotArea().y() - 1);
    for (const QColor& c : kCurves) QCOMPARE(Count(image, *chart, c, above), 0);
    QVERIFY(Count(image, *chart, Qt::red, chart->PlotArea()) > 50);
  }

  // Screen and export share one drawing: the exported image of the current view, hidden curve
  // included, is the widget's picture pixel for pixel.
  void exportedImageIsTheScreenPicture() {
    auto chart = MakeSpectrumChart();
    ClickLegend(*chart, gb::lvRare);
    const QPoint from = Pixel(*chart, 0.5, 0.3), to = Pixel(*chart, 4.0, 0.01);
    QTest::mousePress(chart.get(), Qt::LeftButton, {}, from);
    QTest::mouseMove(chart.get(), to);
    QTest::mouseRelease(chart.get(), Qt::LeftButton, {}, to);
    const QImage screen = Grab(*chart, "chart-screen");
    const QImage exported = gb::ChartImage(chart->Plot(), chart->size(), 1);
    QCOMPARE(exported.size(), screen.size());
    QVERIFY(exported.convertToFormat(QImage::Format_RGB32) == screen);
  }

  void nonFiniteOrdinateBreaksTheLineInsteadOfASpike() {
    TChart chart;
    chart.resize(448, 198);
    TChartSeries& s = *chart.AddSeries("s", Qt::blue);
    const double inf = std::numeric_limits<double>::infinity();
    for (const QPointF p : {QPointF(0, 0), {1, inf}, {2, 0}, {3, std::nan("")}, {4, 1}, {5, 0}})
      s.AddXY(p.x(), p.y());
    const QImage image = Grab(chart, "chart-non-finite");
    const QRect plot = chart.PlotArea();
    const int x4 = Pixel(chart, 4, 0).x();
    QCOMPARE(Count(image, chart, Qt::blue, QRect(plot.x(), plot.y(), x4 - plot.x() - 1, 100)), 0);
    QVERIFY(Count(image, chart, Qt::blue, QRect(x4, plot.y(), plot.right() - x4, 100)) > 20);
  }
};

QTEST_MAIN(TestChartRender)
#include "tst_chart_render.moc"
