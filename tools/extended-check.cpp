// The long run of the extended arithmetic against the x87 unit: every operation, the store to a
// double and the conversion from one, COUNT cases each (10^9 unless given), from the classes the
// test suite draws from. Prints how many cases ran and how many differed; exits 1 on any.
//
//   cmake --build build-test --target gb-extended-check
//   build-test/tests/extended/gb-extended-check [COUNT [SEED]]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "X87Cases.h"

#if !GB_HAVE_X87
int main() {
  std::puts("no x87 unit here to compare with");
  return 2;
}
#else
int main(int argc, char** argv) {
  using namespace gb;
  const long long count = argc > 1 ? std::atoll(argv[1]) : 1000000000LL;
  const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 18306;
  UseExtendedPrecision();
  long long differences = 0;
  const char* names[] = {"add", "subtract", "multiply", "divide"};
  for (int op = 0; op < 4; ++op) {
    test::OperandSource source(seed + static_cast<unsigned>(op));
    long long differ = 0;
    for (long long i = 0; i < count; ++i) {
      const int near = source.Near();
      const Extended a = source.Operand(near), b = source.Operand(near);
      const auto operation = static_cast<test::Operation>(op);
      if (!test::SameBits(test::Soft(operation, a, b), test::X87(operation, a, b))) ++differ;
    }
    std::printf("%-9s %lld cases, %lld differ\n", names[op], count, differ);
    differences += differ;
  }
  test::OperandSource source(seed + 4);
  long long storeDiffer = 0, loadDiffer = 0;
  for (long long i = 0; i < count; ++i) {
    const Extended a = source.Operand(source.Near());
    const volatile long double x = test::ToX87(a);
    if (!test::SameBits(a.ToDouble(), static_cast<double>(x))) ++storeDiffer;
    const double d = source.Double();
    const volatile long double widened = d;
    if (!test::SameBits(Extended::FromDouble(d), test::FromX87(widened))) ++loadDiffer;
  }
  std::printf("%-9s %lld cases, %lld differ\n", "store", count, storeDiffer);
  std::printf("%-9s %lld cases, %lld differ\n", "load", count, loadDiffer);
  differences += storeDiffer + loadDiffer;
  return differences == 0 ? 0 : 1;
}
#endif
