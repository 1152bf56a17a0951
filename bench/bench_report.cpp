// Cost of one Calculate command and of one saved report, measured without the disk.
#include <benchmark/benchmark.h>

#include "engine/ParameterSet.h"
#include "engine/ResponseSpectrum.h"
#include "report/ReportLines.h"
#include "report/ResultGridTexts.h"
#include "report/TextEncoding.h"
#include "text/NumberSeparators.h"
#include "text/ParseDecimalText.h"

namespace {

using namespace gb;

// The window's first calculation: the default inputs, parsed and stepped in the window's order.
ParameterSet DefaultParameters() {
  ParameterSet p;
  p.FBasicPga = ParseDecimalText(kPgaZoneItems[0]);
  p.FK1 = ParseDecimalText("2.9");
  p.FK2 = ParseDecimalText("1.9");
  p.FK3 = ParseDecimalText("0.3333");
  StoreSiteIIPeakAccelerations(p);
  AdjustSiteClasses(p);
  p.FRareTgIncrement = ParseDecimalText("0.05");
  p.FVeryRareTgIncrement = ParseDecimalText("0.05");
  FillCharacteristicPeriods(p);
  p.FBetaMax = ParseDecimalText("2.5");
  return p;
}

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
    const ParameterSet p = DefaultParameters();
    const Grids grids = MakeGrids(p);
    benchmark::DoNotOptimize(&grids);
  }
}
BENCHMARK(BM_CalculationWithGridTexts);

void BM_SpectrumOrdinates(benchmark::State& state) {
  const ParameterSet p = DefaultParameters();
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
  const ParameterSet p = DefaultParameters();
  const Grids grids = MakeGrids(p);
  for (auto _ : state) benchmark::DoNotOptimize(GbkReport(p, grids));
}
BENCHMARK(BM_ReportAssemblyGbk);

void BM_WholeReport(benchmark::State& state) {
  UseDotSeparators();
  for (auto _ : state) {
    const ParameterSet p = DefaultParameters();
    benchmark::DoNotOptimize(GbkReport(p, MakeGrids(p)));
  }
}
BENCHMARK(BM_WholeReport);

}  // namespace
