// The tests' bridge between long double and the program's extended numbers, for references that
// speak long double (printf's %La, MPFR's mpfr_set_ld, literals). Exact wherever long double
// holds 64 significant bits or more and the value has no more than 64.
#pragma once

#include <cmath>
#include <cstdint>

#include "extended/Extended.h"

namespace gb::test {

inline Extended FromLongDouble(long double x) {
  if (std::isnan(x)) return Extended::DefaultNaN();
  if (std::isinf(x)) return Extended::Infinity(std::signbit(x));
  if (x == 0) return std::signbit(x) ? -Extended() : Extended();
  int exponent = 0;
  const long double fraction = std::frexp(std::fabs(x), &exponent);  // in [1/2, 1)
  const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  // Scaled, so that the smallest values land on their subnormal place.
  return Extended::FromSignificand(std::signbit(x), significand, 0).Scaled(exponent - 1);
}

inline long double ToLongDouble(Extended x) {
  if (x.IsNaN()) return std::nanl("");
  if (x.IsInfinite()) return x.Negative() ? -INFINITY : INFINITY;
  const int biased = x.BiasedExponent() == 0 ? 1 : x.BiasedExponent();
  const long double magnitude =
      std::ldexp(static_cast<long double>(x.Significand()), biased - Extended::kBias - 63);
  return x.Negative() ? -magnitude : magnitude;
}

}  // namespace gb::test
