// The rounded decimal form every number format is written from.
#pragma once

#include <cstdint>

#include "extended/Extended.h"

namespace gb {

struct DecimalExpansion {
  enum class Kind : std::uint8_t { Finite, Infinite, NaN };
  Kind kind = Kind::Finite;
  bool negative = false;  // never set for a zero result or NaN
  int exponent = 0;       // X: value = 0.d1 d2 ... dn x 10^X; 0 for a zero result
  int digitCount = 0;     // n <= 18; 0 for a zero result
  char digits[18] = {};   // ASCII '1'..'9' first, no trailing '0'

  bool IsZero() const { return kind == Kind::Finite && digitCount == 0; }
};

// Decimals argument meaning "no cut after the decimal point".
inline constexpr int kUnlimitedDecimals = 1 << 30;

// Exact 18-significant-digit expansion of `value` (ties to even on the 18th digit), then cut to
// at most `precision` significant digits (15 or 18) and `decimals` digits after the point,
// rounding half away from zero on the 18-digit form; trailing zeros dropped.
DecimalExpansion ExpandDecimal(Extended value, int precision, int decimals);

}  // namespace gb
