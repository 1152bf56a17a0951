// The power of the descending branch: the program's correctly rounded DecayPower against the C
// library's powl, over the ratios of a report's 964 ordinates, in one run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "engine/DecayPower.h"
#include "engine/DesignResponse.h"
#include "tests/support/X87.h"
#include "engine/ZoningTables.h"

namespace {

using namespace gb;

// Tg / T for every site class's Tg and every sample period: the ratios reports raise.
std::vector<Extended> ReportRatios() {
  std::vector<Extended> ratios;
  for (double tg : CharacteristicPeriodTable[0]) {
    for (int i = 1; i < SpectrumPointCount; ++i) {
      ratios.push_back(Extended(tg) / SamplePeriod(i));
    }
  }
  return ratios;
}

void BM_DecayPower(benchmark::State& state) {
  const std::vector<Extended> ratios = ReportRatios();
  for (auto _ : state) {
    for (const Extended ratio : ratios) benchmark::DoNotOptimize(DecayPower(ratio));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(ratios.size()));
}
BENCHMARK(BM_DecayPower);

void BM_LibraryPowl(benchmark::State& state) {
  UseExtendedPrecision();
  std::vector<long double> ratios;
  for (double tg : CharacteristicPeriodTable[0]) {
    for (int i = 1; i < SpectrumPointCount; ++i) {
      ratios.push_back(static_cast<long double>(tg) / SamplePeriod(i));
    }
  }
  const long double exponent = DecayExponent;
  for (auto _ : state) {
    for (long double ratio : ratios) benchmark::DoNotOptimize(std::pow(ratio, exponent));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(ratios.size()));
}
BENCHMARK(BM_LibraryPowl);

// The multi-precision path alone, which settles about one ratio in 40,000.
void BM_DecayPowerExact(benchmark::State& state) {
  const std::vector<Extended> ratios = ReportRatios();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecayPowerExact(ratios[next]));
    next = (next + 1) % ratios.size();
  }
}
BENCHMARK(BM_DecayPowerExact);

}  // namespace
