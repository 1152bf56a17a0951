// What the Sa columns add to a batch row: the row's own work (parse its texts, calculate, write
// the three grids' texts) with and without one period read from its text. The two batch targets
// compare as rows per second: with the reading at least 70 % of without.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/DesignedInputs.h"
#include "report/CalculateFromTexts.h"
#include "report/ResultGridTexts.h"
#include "report/SpectrumReadings.h"
#include "text/NumberSeparators.h"

namespace {

using namespace gb;

GridTexts RowTexts(const ParameterSet& p) {
  GridTexts texts = MakeResultGrid(ResultGrid::Pga, p);
  benchmark::DoNotOptimize(MakeResultGrid(ResultGrid::Period, p));
  benchmark::DoNotOptimize(MakeResultGrid(ResultGrid::Platform, p));
  return texts;
}

void BM_BatchRowWithoutSa(benchmark::State& state) {
  DecimalSeparator = u'.';
  for (auto _ : state) {
    const ParameterSet p = CalculateFromTexts(kDesignedInputs);
    benchmark::DoNotOptimize(RowTexts(p));
  }
}
BENCHMARK(BM_BatchRowWithoutSa)->Unit(benchmark::kMicrosecond);

void BM_BatchRowWithSa(benchmark::State& state) {
  DecimalSeparator = u'.';
  const std::string period[] = {"1.234"};  // on the descending branch: the power function
  for (auto _ : state) {
    const ParameterSet p = CalculateFromTexts(kDesignedInputs);
    benchmark::DoNotOptimize(RowTexts(p));
    benchmark::DoNotOptimize(ReadSpectrumAtTexts(p, scII, period));
  }
}
BENCHMARK(BM_BatchRowWithSa)->Unit(benchmark::kMicrosecond);

// The reading alone, for the chart's read-out and for --period.
void BM_ReadSpectrumAtOnePeriod(benchmark::State& state) {
  DecimalSeparator = u'.';
  const ParameterSet p = CalculateFromTexts(kDesignedInputs);
  double period = 0;
  for (auto _ : state) {
    period = period > 20 ? 0 : period + 0.0137;
    benchmark::DoNotOptimize(ReadSpectrum(p, scII, period));
  }
}
BENCHMARK(BM_ReadSpectrumAtOnePeriod)->Unit(benchmark::kMicrosecond);

}  // namespace
