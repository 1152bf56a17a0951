// Sa of the four levels at one period typed as text, as --period, the batch's period column and
// the chart's read-out need it. What the Sa columns cost a whole batch is BM_BatchCsvToCsv's
// withSa against without.
#include <benchmark/benchmark.h>

#include "engine/CalculateFromTexts.h"
#include "engine/DesignedInputs.h"
#include "report/SaReadings.h"
#include "text/NumberSeparators.h"

namespace {

using namespace gb;

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
