// Storing an extended intermediate into a double, with the floating-point faults the program
// reports as errors. Faults are detected from the values, never from trap masks or signals.
#pragma once

#include <cmath>

#include "extended/Extended.h"
#include "text/Errors.h"

namespace gb {

// An extended-precision result stored as a double. Every operand the program feeds in is finite
// (parsing never yields an infinity or NaN), so a non-finite result is a fault: an infinity is an
// overflow, a NaN an invalid operation. Underflow to subnormal or zero is not an error.
inline double StoreDouble(Extended value) {
  const double stored = value.ToDouble();
  if (std::isnan(stored)) throw EInvalidOp();
  if (std::isinf(stored)) throw EOverflow();
  return stored;
}

// Division that reports a finite dividend over zero as the program's division error.
inline Extended Divide(Extended dividend, Extended divisor) {
  if (divisor.IsZero()) {
    if (dividend.IsZero() || dividend.IsNaN()) throw EInvalidOp();
    throw EZeroDivide();
  }
  return dividend / divisor;
}

}  // namespace gb
