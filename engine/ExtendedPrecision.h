// Every number of the program comes out of 80-bit extended arithmetic with its 64-bit
// significand. Linux starts every thread so; 64-bit Windows starts threads with the x87 unit
// rounding to 53 bits, where the same operations give other last bits. Each command that
// calculates sets the full precision first, in whatever thread it runs.
#pragma once

namespace gb {

// The x87 unit's precision control, bits 8 and 9 of its control word: 3 is the 64-bit
// significand.
inline constexpr unsigned short kX87PrecisionMask = 0x0300;

// Whether x87 arithmetic now rounds to the 64-bit significand (always true where long double
// is not the x87 format).
inline bool ExtendedPrecisionInForce() noexcept {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  unsigned short control = 0;
  __asm__ volatile("fnstcw %0" : "=m"(control) : : "memory");
  return (control & kX87PrecisionMask) == kX87PrecisionMask;
#else
  return true;
#endif
}

// Makes x87 arithmetic of this thread round to the 64-bit significand, leaving the rest of the
// control word (exception masks, rounding direction) as it is.
inline void UseExtendedPrecision() noexcept {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  unsigned short control = 0;
  __asm__ volatile("fnstcw %0" : "=m"(control) : : "memory");
  if ((control & kX87PrecisionMask) == kX87PrecisionMask) return;
  control = static_cast<unsigned short>(control | kX87PrecisionMask);
  __asm__ volatile("fldcw %0" : : "m"(control) : "memory");
#endif
}

}  // namespace gb
