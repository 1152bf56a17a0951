// Cost of one Calculate command and of one saved report, measured without the disk.
#include <benchmark/benchmark.h>

#include "engine/DesignResponse.h"
#include "engine/ParameterSet.h"
#include "platform/TextEncoding.h"
#include "report/ReportLines.h"
#include "report/ResultGridTexts.h"
#include "tests/support/DesignedParameters.h"
#include "text/NumberSeparators.h"
#include "text/ParseDecimalText.h"

namespace {

using namespace gb;

using test::DesignedParameterSet;

struct Grids {
  GridTexts pga;
  GridTexts period;
  GridTexts platform;
};

Grids MakeGrids(const ParameterSet& p) {
  return {MakeResultGrid(ResultGrid::Pga, p), MakeResultGrid(ResultGrid::Period, p),
          MakeResultGrid(ResultGrid::Platform, p)};
}

std::string GbkReport(const ParameterSet& p, const Grids& grids) {
  return EncodeText(
      JoinReportLines(BuildReportLines(kPgaZoneItems[0], kTgZoneItems[0], p, grids.pga,
                                       grids.period, grids.platform, scII)),
      "GBK");
}

void UseDotSeparators() {
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
}

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
    for (int level = 0; level < kLevelCount; ++level) {
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
  for (auto _ : state) {
    const ParameterSet p = DesignedParameterSet();
    benchmark::DoNotOptimize(GbkReport(p, MakeGrids(p)));
  }
}
BENCHMARK(BM_WholeReport);

}  // namespace
