// The power function through the long double its references (MPFR, literals) speak.
#pragma once

#include "engine/DecayPower.h"
#include "tests/support/LongDouble.h"

namespace gb::test {

inline bool Fast(long double ratio, long double& power) {
  Extended p;
  const bool decided = DecayPowerFast(FromLongDouble(ratio), p);
  power = ToLongDouble(p);
  return decided;
}

inline long double Power(long double ratio) {
  return ToLongDouble(DecayPower(FromLongDouble(ratio)));
}

inline long double Exact(long double ratio) {
  return ToLongDouble(DecayPowerExact(FromLongDouble(ratio)));
}

}  // namespace gb::test
