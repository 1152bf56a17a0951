// Operands that find the faults of an extended arithmetic, in the manner of TestFloat, and the x87
// unit's own answers as the reference, where there is one (x86: long double is the x87 format).
#pragma once

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <random>

#include "tests/support/X87.h"
#include "extended/Extended.h"

namespace gb::test {

#if GB_HAVE_X87
using gb::FromX87;
using gb::ToX87;
#endif

// The same number, bit for bit; any NaN matches any NaN.
inline bool SameBits(Extended a, Extended b) {
  if (a.IsNaN() || b.IsNaN()) return a.IsNaN() && b.IsNaN();
  return a.Negative() == b.Negative() && a.BiasedExponent() == b.BiasedExponent() &&
         a.Significand() == b.Significand();
}

inline bool SameBits(double a, double b) {
  if (a != a || b != b) return a != a && b != b;
  std::uint64_t x, y;
  std::memcpy(&x, &a, 8);
  std::memcpy(&y, &b, 8);
  return x == y;
}

enum class Operation { Add, Subtract, Multiply, Divide };

#if GB_HAVE_X87
// The x87 unit at 64-bit precision, which the caller has set (UseExtendedPrecision).
inline Extended X87(Operation op, Extended a, Extended b) {
  volatile long double x = ToX87(a), y = ToX87(b);
  long double r = 0;
  switch (op) {
    case Operation::Add:
      r = x + y;
      break;
    case Operation::Subtract:
      r = x - y;
      break;
    case Operation::Multiply:
      r = x * y;
      break;
    case Operation::Divide:
      r = x / y;
      break;
  }
  volatile long double stored = r;
  return FromX87(stored);
}
#endif

inline Extended Soft(Operation op, Extended a, Extended b) {
  switch (op) {
    case Operation::Add:
      return a + b;
    case Operation::Subtract:
      return a - b;
    case Operation::Multiply:
      return a * b;
    case Operation::Divide:
      return a / b;
  }
  return {};
}

// Operands from the classes that break arithmetic: significands of long runs of ones and zeros,
// powers of two and their neighbours, all ones, few bits; exponents close together (carries and
// cancellation), far apart, at the ends of the range and of the double range, subnormals.
class OperandSource {
 public:
  explicit OperandSource(std::uint64_t seed) : random_(seed) {}

  std::uint64_t Significand() {
    constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
    switch (Below(8)) {
      case 0:
      case 1:
        return random_() | kTop;
      case 2: {  // runs of ones and zeros
        std::uint64_t s = Below(2) ? ~std::uint64_t{0} : 0;
        for (int flips = 1 + Below(4); flips > 0; --flips) {
          const int from = Below(64), to = Below(64);
          const int lo = from < to ? from : to, hi = from < to ? to : from;
          const std::uint64_t mask =
              (hi == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (hi + 1)) - 1) &
              ~((std::uint64_t{1} << lo) - 1);
          s ^= mask;
        }
        return s | kTop;
      }
      case 3: {  // a few bits
        std::uint64_t s = kTop;
        for (int bits = Below(4); bits > 0; --bits) s |= std::uint64_t{1} << Below(64);
        return s;
      }
      case 4:
        return ~std::uint64_t{0} - Below(4);
      case 5:
        return kTop + Below(4);
      case 6:  // a double's significand: the low 11 bits clear, where sums of doubles tie
        return (random_() | kTop) & ~std::uint64_t{0x7FF};
      default:
        return ((random_() | kTop) & ~std::uint64_t{0x3FF}) | (std::uint64_t{1} << 10);
    }
  }

  // A finite operand; `near` is the exponent operands of one case cluster around.
  Extended Operand(int near) {
    const bool negative = Below(2) != 0;
    int exponent;
    switch (Below(10)) {
      case 0:
        exponent = Below(0x7FFE) + 1;  // anywhere
        break;
      case 1:
        exponent = near + Below(140) - 70;  // far enough for every alignment
        break;
      case 2:
        if (Below(4) == 0) return Extended::FromFields(negative, 0, 0);  // a zero
        if (Below(2) == 0) {                                             // an extended subnormal
          return Extended::FromFields(negative, 0, Significand() >> (1 + Below(63)));
        }
        exponent = 1 + Below(70);
        break;
      case 3:
        exponent = 0x7FFE - Below(70);
        break;
      default:
        exponent = near + Below(5) - 2;  // close: carries and cancellation
    }
    if (exponent < 1) exponent = 1;
    if (exponent > 0x7FFE) exponent = 0x7FFE;
    return Extended::FromFields(negative, exponent, Significand());
  }

  // An exponent for a pair: mostly the range of the program's doubles, sometimes the ends.
  int Near() {
    switch (Below(6)) {
      case 0:
        return 1 + Below(0x7FFE);
      case 1:  // where a double result overflows or turns subnormal
        return Below(2) ? Extended::kBias + 1023 + Below(5) - 2
                        : Extended::kBias - 1022 - Below(60);
      default:
        return Extended::kBias + Below(200) - 100;
    }
  }

  // A double of every kind: subnormal, the ends of the range, random bits.
  double Double() {
    std::uint64_t bits;
    switch (Below(5)) {
      case 0:
        bits = random_() & ((std::uint64_t{1} << 52) - 1);  // subnormal
        break;
      case 1:
        bits = (std::uint64_t{0x7FE} << 52) | (random_() >> 12);  // the largest
        break;
      default:
        bits = random_() & ~(std::uint64_t{1} << 63);
        if ((bits >> 52) == 0x7FF) bits ^= std::uint64_t{1} << 62;
    }
    if (Below(2)) bits |= std::uint64_t{1} << 63;
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
  }

  int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

 private:
  std::mt19937_64 random_;
};

}  // namespace gb::test
