// ratio^DecayExponent, the power of the descending branch, correctly rounded to the 64-bit
// significand of the extended numbers: the same last bit on every machine.
#pragma once

#include "extended/Extended.h"

namespace gb {

// ratio raised to the double DecayExponent (0.9), rounded to nearest. 0 gives 0 and +inf gives
// +inf; a negative ratio or a NaN gives NaN.
Extended DecayPower(Extended ratio);

// The fast path alone: false when its error bound leaves the rounding undecided, about once in
// 30,000 ratios. For ratio > 0, finite. It computes on 128-bit fixed-point integers, so every
// processor gives the same bits.
bool DecayPowerFast(Extended ratio, Extended& power);

// The fast path's value before its rounding: (hi + lo) 2^exponent, exactly, hi in [1/2, 4),
// within 2^-kDecayPowerFastErrorBits of the power relatively. For measuring that error. The
// bound is far above the error (near 2^-100): the margin costs a multi-precision power once in
// tens of thousands and keeps that path exercised by every large test.
struct DecayPowerUnrounded {
  Extended hi, lo;
  int exponent;
};
DecayPowerUnrounded DecayPowerBeforeRounding(Extended ratio);
inline constexpr int kDecayPowerFastErrorBits = 80;
inline constexpr Extended kDecayPowerFastError =
    Extended::FromSignificand(false, 1ull << 63, -kDecayPowerFastErrorBits);

// The multi-precision path alone, which widens its precision until the rounding is decided.
// It always ends: for ratio != 1 the power is irrational, never a midpoint between two extended
// numbers. For ratio > 0, finite.
Extended DecayPowerExact(Extended ratio);

}  // namespace gb
