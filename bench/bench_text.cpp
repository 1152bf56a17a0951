// The text conversions against the C library calls they replace, on the same inputs in the same
// run: grid cells and report lines format and parse numbers by the thousand.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/DecimalFormats.h"
#include "text/ParseDecimalText.h"

namespace {

// Mostly periods and ordinates of a spectrum grid, some larger values, some negative.
constexpr std::size_t kFormatCount = 64;
const std::array<double, kFormatCount>& FormatValues() {
  static const auto values = [] {
    std::array<double, kFormatCount> v{};
    for (std::size_t i = 0; i < 48; ++i) v[i] = 0.0032 + static_cast<double>(i) * 0.0104;
    constexpr double kOthers[] = {1.25, 2.9,     12.5,    123.456, 4567.125, 98765.4321,
                                  0.75, 6.0,     -0.0125, -0.25,   -3.5,     -0.00004,
                                  -1.9, -0.3333, -42.42,  -0.0032};
    for (std::size_t i = 48; i < kFormatCount; ++i) v[i] = kOthers[i - 48];
    return v;
  }();
  return values;
}

constexpr std::array<const char*, 16> kTexts = {
    "0.05", "2.9",  "0.3333", "1.9", "123.456", "-0.25e-3", "0.0032", "0.5",
    "12.5", "0.15", "1e-3",   "7",   "0.075",   "2.25",     "-1.5",   "350.125"};

void BM_FormatFourDecimals(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = gb::FormatFourDecimals(FormatValues()[i++ % kFormatCount]);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatFourDecimals);

void BM_SnprintfFourDecimals(benchmark::State& state) {
  std::size_t i = 0;
  char text[64];
  for (auto _ : state) {
    int length = std::snprintf(text, sizeof text, "%.4f", FormatValues()[i++ % kFormatCount]);
    benchmark::DoNotOptimize(length);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_SnprintfFourDecimals);

void BM_ParseDecimalText(benchmark::State& state) {
  const std::array<std::string, kTexts.size()> texts = [] {
    std::array<std::string, kTexts.size()> t;
    for (std::size_t i = 0; i < kTexts.size(); ++i) t[i] = kTexts[i];
    return t;
  }();
  std::size_t i = 0;
  for (auto _ : state) {
    double value = gb::ParseDecimalText(texts[i++ % texts.size()]);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_ParseDecimalText);

void BM_Strtod(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    char* end = nullptr;
    double value = std::strtod(kTexts[i++ % kTexts.size()], &end);
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(end);
  }
}
BENCHMARK(BM_Strtod);

}  // namespace
