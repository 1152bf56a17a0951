// The fields of an x87 long double: a 64-bit significand with its leading bit explicit and a
// binary exponent. Both compilers the program is built with (GCC on Linux and MinGW-w64) store
// long double so, little-endian in the first ten bytes.
#pragma once

#include <cstdint>
#include <cstring>

namespace gb {

struct ExtendedBits {
  std::uint64_t significand;  // leading bit set for a normal number
  int exponent;               // value = significand * 2^(exponent - 63)
};

// The fields of a positive normal long double.
inline ExtendedBits ExtendedFields(long double value) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof value);
  ExtendedBits bits{};
  std::memcpy(&bits.significand, bytes, 8);
  std::uint16_t signExponent = 0;
  std::memcpy(&signExponent, bytes + 8, 2);
  bits.exponent = static_cast<int>(signExponent & 0x7FFF) - 16383;
  return bits;
}

// The fields of any positive finite long double, a subnormal one normalised.
inline ExtendedBits PositiveFields(long double value) {
  ExtendedBits bits = ExtendedFields(value);
  if (bits.exponent == -16383) {
    bits = ExtendedFields(value * 0x1p64L);
    bits.exponent -= 64;
  }
  return bits;
}

// significand * 2^(exponent - 63) for a significand with its leading bit set and an exponent
// of a normal long double.
inline long double ExtendedFromFields(ExtendedBits bits) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &bits.significand, 8);
  const auto signExponent = static_cast<std::uint16_t>(bits.exponent + 16383);
  std::memcpy(bytes + 8, &signExponent, 2);
  long double value = 0;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

// 2^exponent for the exponent of a normal long double.
inline long double PowerOfTwo(int exponent) {
  return ExtendedFromFields({std::uint64_t{1} << 63, exponent});
}

}  // namespace gb
