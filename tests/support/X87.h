// The x87 unit, where the processor has one: the reference the program's extended numbers are
// tested against, in the tests, tools and benchmarks only; the program never computes on it. On
// x86 long double is the x87 format, the same value set as Extended, so the conversions are
// exact.
//
// The unit gives that arithmetic only while its control word asks for the 64-bit significand.
// Linux starts every thread so; 64-bit Windows starts threads rounding to 53 bits, where the same
// operations give other last bits. Whatever computes on the unit sets the precision first.
#pragma once

#include <cfloat>
#include <cstdint>
#include <cstring>

#include "extended/Extended.h"

#if LDBL_MANT_DIG == 64 && (defined(__x86_64__) || defined(__i386__))
#define GB_HAVE_X87 1
#else
#define GB_HAVE_X87 0
#endif

#if GB_HAVE_X87
namespace gb {

// The precision control, bits 8 and 9 of the control word: 3 is the 64-bit significand.
inline constexpr unsigned short kX87PrecisionMask = 0x0300;

inline unsigned short X87ControlWord() noexcept {
  unsigned short control = 0;
  __asm__ volatile("fnstcw %0" : "=m"(control) : : "memory");
  return control;
}

inline void SetX87ControlWord(unsigned short control) noexcept {
  __asm__ volatile("fldcw %0" : : "m"(control) : "memory");
}

inline bool ExtendedPrecisionInForce() noexcept {
  return (X87ControlWord() & kX87PrecisionMask) == kX87PrecisionMask;
}

// Makes the unit round to the 64-bit significand for this thread, leaving the rest of the control
// word (exception masks, rounding direction) as it is. For the tests' and tools' references.
inline void UseExtendedPrecision() noexcept {
  const unsigned short control = X87ControlWord();
  if ((control & kX87PrecisionMask) != kX87PrecisionMask) {
    SetX87ControlWord(static_cast<unsigned short>(control | kX87PrecisionMask));
  }
}

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
