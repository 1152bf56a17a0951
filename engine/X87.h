// The x87 unit, where the processor has one: the reference the program's extended numbers are
// tested against, and the fast path of the power function. The only place long double is used:
// on x86 it is the x87 format, the same value set as Extended, so the conversions are exact.
#pragma once

#include <cfloat>
#include <cstdint>
#include <cstring>

#include "engine/ExtendedPrecision.h"
#include "extended/Extended.h"

#if LDBL_MANT_DIG == 64 && (defined(__x86_64__) || defined(__i386__))
#define GB_HAVE_X87 1
#else
#define GB_HAVE_X87 0
#endif

#if GB_HAVE_X87
namespace gb {

inline long double ToX87(Extended x) {
  unsigned char bytes[sizeof(long double)] = {};
  const std::uint64_t significand = x.Significand();
  const auto signExponent =
      static_cast<std::uint16_t>((x.Negative() ? 0x8000 : 0) | x.BiasedExponent());
  std::memcpy(bytes, &significand, 8);
  std::memcpy(bytes + 8, &signExponent, 2);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

inline Extended FromX87(long double value) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof value);
  std::uint64_t significand;
  std::uint16_t signExponent;
  std::memcpy(&significand, bytes, 8);
  std::memcpy(&signExponent, bytes + 8, 2);
  return Extended::FromFields((signExponent & 0x8000) != 0, signExponent & 0x7FFF, significand);
}

}  // namespace gb
#endif
