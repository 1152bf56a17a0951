// Whole numbers from extended ones, as the C library's floorl, ceill and lroundl give them:
// exact, so the chart's ticks and pixels are the same on every processor.
#pragma once

#include <cstdint>

#include "extended/Extended.h"

namespace gb {

enum class ToWhole {
  Down,         // floor
  Up,           // ceiling
  NearestAway,  // nearest, halves away from zero
};

// Infinities, NaNs and zeros stay as they are; a result of zero keeps the sign of `x`.
inline Extended RoundedToWhole(Extended x, ToWhole rule) {
  if (!x.IsFinite() || x.IsZero()) return x;
  const int exponent = x.BiasedExponent() - Extended::kBias;
  if (exponent >= 63) return x;  // no fraction bits left
  const bool negative = x.Negative();
  // Whether the magnitude goes up to the next whole number, given a non-zero fraction.
  const auto away = [&](bool atLeastHalf) {
    switch (rule) {
      case ToWhole::Down:
        return negative;
      case ToWhole::Up:
        return !negative;
      case ToWhole::NearestAway:
        return atLeastHalf;
    }
    return false;
  };
  constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;
  if (exponent < 0) {
    if (away(exponent == -1)) return Extended::FromSignificand(negative, kLeadingBit, 0);
    return negative ? -Extended() : Extended();
  }
  const std::uint64_t unit = std::uint64_t{1} << (63 - exponent);
  const std::uint64_t fraction = x.Significand() & (unit - 1);
  if (fraction == 0) return x;
  std::uint64_t whole = x.Significand() - fraction;
  if (away(fraction >= unit / 2)) {
    whole += unit;
    // All ones above the fraction: the next power of two.
    if (whole == 0) return Extended::FromSignificand(negative, kLeadingBit, exponent + 1);
  }
  return Extended::FromSignificand(negative, whole, exponent);
}

inline Extended Floor(Extended x) { return RoundedToWhole(x, ToWhole::Down); }
inline Extended Ceil(Extended x) { return RoundedToWhole(x, ToWhole::Up); }
inline Extended RoundHalfAway(Extended x) { return RoundedToWhole(x, ToWhole::NearestAway); }

}  // namespace gb
