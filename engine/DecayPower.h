// ratio^DecayExponent, the power of the descending branch, correctly rounded to the 64-bit
// significand of long double: the same last bit on every machine, whatever its C library's
// powl does.
#pragma once

namespace gb {

// ratio raised to the double DecayExponent (0.9), rounded to nearest. 0 gives 0 and +inf gives
// +inf; a negative ratio or a NaN gives NaN. Needs the x87 unit at 64-bit precision
// (UseExtendedPrecision) rounding to nearest, as every command that calculates leaves it.
long double DecayPower(long double ratio);

// The fast path alone: false when its error bound leaves the rounding undecided, which happens
// about once in several thousand ratios. For ratio > 0, finite.
bool DecayPowerFast(long double ratio, long double& power);

// The fast path's value before its rounding: (hi + lo) 2^exponent, hi in [1, 2], within
// kDecayPowerFastError of the power relatively. For measuring that error.
struct DecayPowerUnrounded {
  long double hi, lo;
  int exponent;
};
DecayPowerUnrounded DecayPowerBeforeRounding(long double ratio);
inline constexpr long double kDecayPowerFastError = 0x1p-80L;

// The multi-precision path alone, which widens its precision until the rounding is decided.
// It always ends: for ratio != 1 the power is irrational, never a midpoint between two long
// doubles. For ratio > 0, finite.
long double DecayPowerExact(long double ratio);

}  // namespace gb
