// Rows per second of a batch, CSV in to CSV out, on one core and without the disk. The peak
// memory of whole runs is measured by bench/batch_memory.sh.
#include <benchmark/benchmark.h>

#include <random>
#include <sstream>

#include "batch/BatchColumns.h"
#include "batch/RunBatch.h"
#include "engine/DesignedInputs.h"
#include "engine/ZoningTables.h"
#include "text/NumberSeparators.h"

namespace {

using namespace gb;

constexpr int kRows = 20000;

// Sites with an id, a name and coordinates; `ownFactors` gives every row factors of its own,
// otherwise the factor cells are empty and the defaults apply. `withSa` adds a structure's
// period and a site class to every row, so each row also reads Sa there.
std::string SitesCsv(bool ownFactors, bool withSa) {
  std::mt19937 random(18306);
  std::uniform_real_distribution<double> unit(0, 1);
  std::ostringstream csv;
  csv << "id,name,lat,lon,pga,zone,k1,k2,k3,rare_tg_increment,very_rare_tg_increment,beta_max";
  csv << (withSa ? ",period,site\n" : "\n");
  csv.precision(6);
  for (int i = 0; i < kRows; ++i) {
    csv << i << ",site " << i << ',' << 30 + unit(random) << ',' << 110 + unit(random) << ','
        << kPgaZoneItems[random() % kPgaZoneCount] << ',' << kTgZoneItems[random() % kTgZoneCount];
    if (ownFactors) {
      csv << ',' << 2 + 1.5 * unit(random) << ',' << 1.5 + 0.7 * unit(random) << ','
          << 0.3 + 0.1 * unit(random) << ',' << 0.1 * unit(random) << ',' << 0.1 * unit(random)
          << ',' << 2 + unit(random);
    } else {
      csv << ",,,,,,";
    }
    if (withSa)
      csv << ',' << 6 * unit(random) << ',' << kSiteClassLabels[random() % kSiteClassCount];
    csv << '\n';
  }
  return csv.str();
}

struct Quiet : BatchObserver {
  void RowFailed(long long, const std::string&, const std::string&) override {}
  bool Progress(long long, long long) override { return true; }
  void TextLost(long long, const std::string&) override {}
};

void BM_BatchCsvToCsv(benchmark::State& state) {
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
  const std::string input = SitesCsv(state.range(0) != 0, state.range(1) != 0);
  BatchSettings settings;
  const InputTexts& d = kDesignedInputs;
  const std::string_view defaults[kBatchInputCount] = {
      "", "", d.k1, d.k2, d.k3, d.rareTgIncrement, d.veryRareTgIncrement, d.betaMax};
  for (int i = 0; i < kBatchInputCount; ++i) settings.defaults[i] = defaults[i];
  std::size_t bytes = 0;
  Quiet quiet;
  for (auto _ : state) {
    std::istringstream in(input);
    RunBatch(
        in, settings, [&](std::string_view piece) { bytes += piece.size(); }, quiet);
  }
  benchmark::DoNotOptimize(bytes);
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kRows,
                                                benchmark::Counter::kIsRate);
}
// withSa against without: what the sa_* columns cost a batch's rows per second.
BENCHMARK(BM_BatchCsvToCsv)
    ->ArgNames({"ownFactors", "withSa"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// A header of many columns (carried-over data of a survey, say) must be mapped in linear time:
// 100,000 and 200,000 columns should take about twice as long, not four times.
void BM_WideHeader(benchmark::State& state) {
  std::vector<std::string> header{"pga", "zone"};
  for (long long i = 0; i < state.range(0); ++i) header.push_back("c" + std::to_string(i));
  for (auto _ : state) benchmark::DoNotOptimize(MapBatchColumns(header));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WideHeader)
    ->Arg(100000)
    ->Arg(200000)
    ->Arg(400000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

}  // namespace
