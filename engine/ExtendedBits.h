// An extended number's significand and binary exponent as two integers, for the power function's
// table lookups and its multi-precision path.
#pragma once

#include <bit>
#include <cstdint>

#include "extended/Extended.h"

namespace gb {

struct ExtendedBits {
  std::uint64_t significand;  // leading bit set for a normal number
  int exponent;               // value = significand * 2^(exponent - 63)
};

// The fields of any positive finite non-zero number, a subnormal one normalised.
inline ExtendedBits PositiveFields(Extended value) {
  ExtendedBits bits{value.Significand(), value.BiasedExponent() - Extended::kBias};
  if (value.BiasedExponent() == 0) {
    const int shift = std::countl_zero(bits.significand);
    bits.significand <<= shift;
    bits.exponent = 1 - Extended::kBias - shift;
  }
  return bits;
}

// significand * 2^(exponent - 63) for a significand with its leading bit set and an exponent
// of a normal number.
constexpr Extended ExtendedFromFields(ExtendedBits bits) {
  return Extended::FromSignificand(false, bits.significand, bits.exponent);
}

// 2^exponent for the exponent of a normal number.
constexpr Extended PowerOfTwo(int exponent) {
  return ExtendedFromFields({std::uint64_t{1} << 63, exponent});
}

}  // namespace gb
