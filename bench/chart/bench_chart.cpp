// A re-plot of the four spectra, a full paint of the chart and a read-out update, on the
// offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <vector>

#include "chart/ResponseChart.h"
#include "engine/DesignResponse.h"
#include "engine/ParameterSet.h"
#include "export/ChartPainter.h"
#include "report/SaReadout.h"
#include "tests/support/DesignedParameters.h"
#include "ui/qt/chart/TChart.h"

namespace {

using gb::test::DesignedParameterSet;

struct SpectrumChart {
  TChart chart;
  SpectrumChart() {
    chart.resize(448, 198);
    for (const QColor c :
         {QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 0, 0)})
      chart.AddSeries(QStringLiteral("极罕遇地震动"), c);
    chart.show();
    QCoreApplication::processEvents();
  }
};

// ClearSpectrumSeries + PlotSpectra with the ordinates computed beforehand: the chart's share.
void BM_ReplotAppendsOnly(benchmark::State& state) {
  SpectrumChart c;
  const gb::ParameterSet p = DesignedParameterSet();
  std::vector<double> sa;
  for (int l = 0; l < 4; ++l)
    for (int i = 0; i < gb::SpectrumPointCount; ++i)
      sa.push_back(gb::SpectrumOrdinate(p, gb::kLevels[l], gb::scII, i));
  for (auto _ : state) {
    for (int l = 0; l < 4; ++l) c.chart.Series(l)->Clear();
    for (int l = 0; l < 4; ++l)
      for (int i = 0; i < gb::SpectrumPointCount; ++i)
        c.chart.Series(l)->AddXY(gb::SamplePeriod(i), sa[static_cast<std::size_t>(l * 241 + i)]);
    state.PauseTiming();
    QCoreApplication::processEvents();  // the one redraw, outside the handler's time
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ReplotAppendsOnly)->Unit(benchmark::kMicrosecond);

// The same with the spectrum formula evaluated per point, as the window's handler does it.
void BM_ReplotWithSpectrum(benchmark::State& state) {
  SpectrumChart c;
  const gb::ParameterSet p = DesignedParameterSet();
  for (auto _ : state) {
    for (int l = 0; l < 4; ++l) c.chart.Series(l)->Clear();
    for (int l = 0; l < 4; ++l)
      for (int i = 0; i < gb::SpectrumPointCount; ++i)
        c.chart.Series(l)->AddXY(gb::SamplePeriod(i),
                                 gb::SpectrumOrdinate(p, gb::kLevels[l], gb::scII, i));
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ReplotWithSpectrum)->Unit(benchmark::kMicrosecond);

// One full paint of the start-up chart into an image.
void BM_Paint(benchmark::State& state) {
  SpectrumChart c;
  const gb::ParameterSet p = DesignedParameterSet();
  for (int l = 0; l < 4; ++l)
    for (int i = 0; i < gb::SpectrumPointCount; ++i)
      c.chart.Series(l)->AddXY(gb::SamplePeriod(i),
                               gb::SpectrumOrdinate(p, gb::kLevels[l], gb::scII, i));
  QImage image(c.chart.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    c.chart.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_Paint)->Unit(benchmark::kMicrosecond);

// A pointer move over the plot to the finished repaint with the read-out, as the window does it:
// the spectrum evaluated at the new period, the texts, the chart and the box drawn. Target: well
// under 2 ms.
void BM_ReadoutUpdate(benchmark::State& state) {
  SpectrumChart c;
  const gb::ParameterSet p = DesignedParameterSet();
  for (int l = 0; l < 4; ++l)
    for (int i = 0; i < gb::SpectrumPointCount; ++i)
      c.chart.Series(l)->AddXY(gb::SamplePeriod(i),
                               gb::SpectrumOrdinate(p, gb::kLevels[l], gb::scII, i));
  c.chart.SetReader([&p](double period) -> std::optional<TChartReading> {
    auto texts = gb::SpectrumReadoutAt(p, gb::scII, period);
    if (!texts) return std::nullopt;
    return TChartReading{std::move(texts->period),
                         {std::begin(texts->values), std::end(texts->values)}};
  });
  QCoreApplication::processEvents();
  const QRect plot = c.chart.PlotArea();
  int x = plot.x();
  for (auto _ : state) {
    x = x >= plot.x() + plot.width() ? plot.x() : x + 1;  // every column a new period
    const QPointF pos(x, plot.center().y());
    QMouseEvent move(QEvent::MouseMove, pos, c.chart.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&c.chart, &move);
    c.chart.repaint();
  }
  if (!c.chart.ReadoutShown()) state.SkipWithError("no read-out shown");
}
BENCHMARK(BM_ReadoutUpdate)->Unit(benchmark::kMicrosecond);

// A zoom far past the narrowest labelled view, found by widening one axis at a time.
void BM_DeepZoom(benchmark::State& state) {
  gb::ChartPlot plot;
  gb::AddSpectrumSeries(plot);
  gb::PlotSpectrumSeries(plot, DesignedParameterSet(), gb::scII);
  QImage device(448, 198, QImage::Format_ARGB32_Premultiplied);
  const gb::QtChartFonts fonts(device, gb::kChartDpi);
  for (auto _ : state) {
    plot.FollowData();
    const bool zoomed = plot.Zoom({2.0, 2.0 + 1e-13}, {0.1, 0.1 + 1e-14}, {448, 198}, fonts);
    benchmark::DoNotOptimize(zoomed);
  }
}
BENCHMARK(BM_DeepZoom)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
