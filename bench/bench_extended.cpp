// Each operation of the program's own extended numbers beside the x87 instruction it replaces,
// on operands like the program's: doubles of a few digits and their extended intermediates.
#include <benchmark/benchmark.h>

#include <cfloat>
#include <vector>

#include "tests/support/X87.h"
#include "extended/Extended.h"

namespace gb {
namespace {

constexpr int kOperands = 1024;

std::vector<Extended> Operands() {
  std::vector<Extended> values;
  for (int i = 0; i < kOperands; ++i) {
    values.push_back(Extended::FromDouble(0.05 + i * 0.0173) / Extended::FromInteger(3 + i % 7));
  }
  return values;
}

template <typename Op>
void RunExtended(benchmark::State& state, Op op) {
  const std::vector<Extended> values = Operands();
  std::size_t i = 0;
  for (auto _ : state) {
    const Extended r = op(values[i % kOperands], values[(i + 1) % kOperands]);
    benchmark::DoNotOptimize(r);
    ++i;
  }
}

void BM_ExtendedAdd(benchmark::State& s) {
  RunExtended(s, [](Extended a, Extended b) { return a + b; });
}
void BM_ExtendedSubtract(benchmark::State& s) {
  RunExtended(s, [](Extended a, Extended b) { return a - b; });
}
void BM_ExtendedMultiply(benchmark::State& s) {
  RunExtended(s, [](Extended a, Extended b) { return a * b; });
}
void BM_ExtendedDivide(benchmark::State& s) {
  RunExtended(s, [](Extended a, Extended b) { return a / b; });
}
void BM_ExtendedToDouble(benchmark::State& s) {
  RunExtended(s, [](Extended a, Extended) { return Extended::FromDouble(a.ToDouble()); });
}
BENCHMARK(BM_ExtendedAdd);
BENCHMARK(BM_ExtendedSubtract);
BENCHMARK(BM_ExtendedMultiply);
BENCHMARK(BM_ExtendedDivide);
BENCHMARK(BM_ExtendedToDouble);

#if LDBL_MANT_DIG == 64
template <typename Op>
void RunX87(benchmark::State& state, Op op) {
  UseExtendedPrecision();
  std::vector<long double> values;
  for (int i = 0; i < kOperands; ++i) values.push_back((0.05L + i * 0.0173L) / (3 + i % 7));
  std::size_t i = 0;
  for (auto _ : state) {
    const long double r = op(values[i % kOperands], values[(i + 1) % kOperands]);
    benchmark::DoNotOptimize(r);
    ++i;
  }
}

void BM_X87Add(benchmark::State& s) {
  RunX87(s, [](long double a, long double b) { return a + b; });
}
void BM_X87Subtract(benchmark::State& s) {
  RunX87(s, [](long double a, long double b) { return a - b; });
}
void BM_X87Multiply(benchmark::State& s) {
  RunX87(s, [](long double a, long double b) { return a * b; });
}
void BM_X87Divide(benchmark::State& s) {
  RunX87(s, [](long double a, long double b) { return a / b; });
}
void BM_X87ToDouble(benchmark::State& s) {
  RunX87(s, [](long double a, long double) {
    return static_cast<long double>(static_cast<double>(a));
  });
}
BENCHMARK(BM_X87Add);
BENCHMARK(BM_X87Subtract);
BENCHMARK(BM_X87Multiply);
BENCHMARK(BM_X87Divide);
BENCHMARK(BM_X87ToDouble);
#endif

}  // namespace
}  // namespace gb
