// Storing an 80-bit intermediate into a double, with the floating-point faults the program
// reports as errors. Faults are detected from the values, never from trap masks or signals, so
// the result does not depend on what some library left in the FPU control word.
#pragma once

#include <cmath>

#include "text/Errors.h"

namespace gb {

// An extended-precision result stored as a double. Every operand the program feeds in is finite
// (parsing never yields an infinity or NaN), so a non-finite result is a fault: an infinity is an
// overflow, a NaN an invalid operation. Underflow to subnormal or zero is not an error.
inline double StoreDouble(long double value) {
  const double stored = static_cast<double>(value);
  if (std::isnan(stored)) throw EInvalidOp();
  if (std::isinf(stored)) throw EOverflow();
  return stored;
}

// Division that reports a finite dividend over zero as the program's division error.
inline long double Divide(long double dividend, long double divisor) {
  if (divisor == 0.0L) {
    if (dividend == 0.0L || std::isnan(dividend)) throw EInvalidOp();
    throw EZeroDivide();
  }
  return dividend / divisor;
}

}  // namespace gb
