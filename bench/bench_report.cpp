// Cost of one Calculate command and of one saved report, measured without the disk.
#include <benchmark/benchmark.h>

#include "ReportWork.h"
#include "engine/DesignResponse.h"

namespace {

using namespace gb;
using namespace gb::bench;

using test::DesignedParameterSet;

void BM_CalculationWithGridTexts(benchmark::State& state) {
  UseDotSeparators();
  for (auto _ : state) {
    const ParameterSet p = DesignedParameterSet();
    const Grids grids = MakeGrids(p);
    benchmark::DoNotOptimize(&grids);
  }
}
BENCHMARK(BM_CalculationWithGridTexts);

void BM_SpectrumOrdinates(benchmark::State& state) {
  const ParameterSet p = DesignedParameterSet();
  for (auto _ : state) {
    for (const Level level : kLevels) {
      for (int i = 0; i < SpectrumPointCount; ++i) {
        benchmark::DoNotOptimize(SpectrumOrdinate(p, level, scII, i));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kLevelCount * SpectrumPointCount);
}
BENCHMARK(BM_SpectrumOrdinates);

void BM_ReportAssemblyGbk(benchmark::State& state) {
  UseDotSeparators();
  const ParameterSet p = DesignedParameterSet();
  const Grids grids = MakeGrids(p);
  for (auto _ : state) benchmark::DoNotOptimize(GbkReport(p, grids));
}
BENCHMARK(BM_ReportAssemblyGbk);

void BM_WholeReport(benchmark::State& state) {
  UseDotSeparators();
  for (auto _ : state) benchmark::DoNotOptimize(WholeReport());
}
BENCHMARK(BM_WholeReport);

}  // namespace
