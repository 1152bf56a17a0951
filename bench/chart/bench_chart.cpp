// A re-plot of the four spectra and a full paint of the chart, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "engine/DesignResponse.h"
#include "engine/ParameterSet.h"
#include "tests/support/DesignedParameters.h"
#include "ui/chart/TChart.h"

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
    for (int i = 0; i < gb::SpectrumPointCount; ++i) sa.push_back(gb::SpectrumOrdinate(p, l, 2, i));
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
        c.chart.Series(l)->AddXY(gb::SamplePeriod(i), gb::SpectrumOrdinate(p, l, 2, i));
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
      c.chart.Series(l)->AddXY(gb::SamplePeriod(i), gb::SpectrumOrdinate(p, l, 2, i));
  QImage image(c.chart.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    c.chart.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_Paint)->Unit(benchmark::kMicrosecond);

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
