// The whole-report benchmark without Google Benchmark, for builds that have none (WebAssembly,
// arm64): gb-report-time [SECONDS] repeats the report for about that long (default 2) after a
// warm-up and prints the mean time of one.
//   tools/build-wasm.sh build-wasm gb-report-time && node
//   build-wasm/bench/portable/gb-report-time.js
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ReportWork.h"

int main(int argc, char** argv) {
  using Clock = std::chrono::steady_clock;
  const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
  gb::bench::UseDotSeparators();
  std::size_t bytes = 0;
  for (int i = 0; i < 20; ++i) bytes += gb::bench::WholeReport().size();  // warm-up
  long long reports = 0;
  const Clock::time_point start = Clock::now();
  std::chrono::duration<double> elapsed{};
  while (elapsed.count() < seconds) {
    for (int i = 0; i < 20; ++i) bytes += gb::bench::WholeReport().size();
    reports += 20;
    elapsed = Clock::now() - start;
  }
  std::printf(
      "whole report (calculation, 964 ordinates, texts, GBK): %.3f ms each, %lld reports, "
      "%zu bytes\n",
      elapsed.count() * 1000 / static_cast<double>(reports), reports, bytes);
}
