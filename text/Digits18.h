// The eighteen leading decimal digits of a binary value, rounded exactly: the common ground of
// every number format.
#pragma once

#include <cstdint>

#include "extended/Extended.h"

namespace gb::detail {

// |x| = significand * 2^exponent exactly.
struct BinaryFloat {
  std::uint64_t significand = 0;
  int exponent = 0;
};

// Finite values only: NaN and the infinities have no such form.
BinaryFloat DecomposeFinite(Extended x);

// value = 0.d1 ... d18 * 10^exponent, where digits = d1 ... d18 as an integer (10^17 <= digits
// < 10^18).
struct Digits18 {
  std::uint64_t digits = 0;
  int exponent = 0;
  friend bool operator==(const Digits18&, const Digits18&) = default;
};

// Rounds half to even on the exact value. b.significand must not be 0.
Digits18 RoundToDigits18(BinaryFloat b);

// The two halves of RoundToDigits18, public so that each can be checked against the other.
// Fast: 192-bit arithmetic for roughly 1e-21 <= value < 1e18; false outside that range.
bool RoundToDigits18Fast(BinaryFloat b, Digits18& out);
// Exact: big-integer arithmetic for any finite non-zero value.
Digits18 RoundToDigits18Exact(BinaryFloat b);

}  // namespace gb::detail
