// ratio^DecayExponent, the power of the descending branch, correctly rounded to the 64-bit
// significand of the extended numbers: the same last bit on every machine.
#pragma once

#include "extended/Extended.h"

namespace gb {

// ratio raised to the double DecayExponent (0.9), rounded to nearest. 0 gives 0 and +inf gives
// +inf; a negative ratio or a NaN gives NaN.
Extended DecayPower(Extended ratio);

// The fast path alone: false when its error bound leaves the rounding undecided, which happens
// about once in several thousand ratios. For ratio > 0, finite. Where the processor has the x87
// unit it computes there (DecayPowerFastX87), elsewhere in the program's own extended numbers
// (DecayPowerFastPortable): the same steps in the same arithmetic, so the same bits, which a
// test holds them to.
bool DecayPowerFast(Extended ratio, Extended& power);
bool DecayPowerFastPortable(Extended ratio, Extended& power);
// The x87 unit is about ten times faster at these two hundred operations than the portable
// arithmetic, and the power is most of a report's time.
bool DecayPowerFastX87(Extended ratio, Extended& power);  // only where GB_HAVE_X87

// The fast path's value before its rounding: (hi + lo) 2^exponent, hi in [1, 2], within
// kDecayPowerFastError of the power relatively. For measuring that error.
struct DecayPowerUnrounded {
  Extended hi, lo;
  int exponent;
};
DecayPowerUnrounded DecayPowerBeforeRounding(Extended ratio);
inline constexpr Extended kDecayPowerFastError = Extended::FromSignificand(false, 1ull << 63, -80);

// The multi-precision path alone, which widens its precision until the rounding is decided.
// It always ends: for ratio != 1 the power is irrational, never a midpoint between two extended
// numbers. For ratio > 0, finite.
Extended DecayPowerExact(Extended ratio);

}  // namespace gb
