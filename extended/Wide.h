// The 128-bit steps the extended arithmetic needs: a 64 x 64 -> 128 product and a 128 / 64
// quotient. The compiler's unsigned __int128 where it has one; otherwise the portable forms,
// which are compiled everywhere so that the tests can hold them against the compiler's.
#pragma once

#include <cstdint>

namespace gb::wide {

struct U128 {
  std::uint64_t hi = 0;
  std::uint64_t lo = 0;
  bool operator==(const U128&) const = default;
};

struct QuotientRemainder {
  std::uint64_t quotient = 0;
  std::uint64_t remainder = 0;
};

namespace portable {

// a * b from four 32 x 32 -> 64 products.
constexpr U128 Multiply(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLo = a & 0xFFFFFFFFu, aHi = a >> 32;
  const std::uint64_t bLo = b & 0xFFFFFFFFu, bHi = b >> 32;
  const std::uint64_t ll = aLo * bLo, lh = aLo * bHi, hl = aHi * bLo, hh = aHi * bHi;
  const std::uint64_t middle = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
  return {hh + (lh >> 32) + (hl >> 32) + (middle >> 32), (middle << 32) | (ll & 0xFFFFFFFFu)};
}

// (hi * 2^64 + lo) / d for hi < d, so that the quotient fits 64 bits; one bit at a time.
constexpr QuotientRemainder Divide(std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
  std::uint64_t quotient = 0;
  for (int bit = 63; bit >= 0; --bit) {
    // The remainder before the shift may have its top bit set: then it exceeds d once shifted.
    const bool carry = (hi >> 63) != 0;
    hi = (hi << 1) | (lo >> 63);
    lo <<= 1;
    quotient <<= 1;
    if (carry || hi >= d) {
      hi -= d;
      quotient |= 1;
    }
  }
  return {quotient, hi};
}

}  // namespace portable

// WebAssembly multiplies and divides 128-bit numbers in library routines, slower than the
// portable forms (a whole report 3.3 ms against 2.9 ms under Node).
#if defined(__SIZEOF_INT128__) && !defined(__wasm__)
inline constexpr bool kNativeInt128 = true;

constexpr U128 Multiply(std::uint64_t a, std::uint64_t b) {
  const unsigned __int128 p = static_cast<unsigned __int128>(a) * b;
  return {static_cast<std::uint64_t>(p >> 64), static_cast<std::uint64_t>(p)};
}

constexpr QuotientRemainder Divide(std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
  const unsigned __int128 n = (static_cast<unsigned __int128>(hi) << 64) | lo;
  return {static_cast<std::uint64_t>(n / d), static_cast<std::uint64_t>(n % d)};
}
#else
inline constexpr bool kNativeInt128 = false;

constexpr U128 Multiply(std::uint64_t a, std::uint64_t b) { return portable::Multiply(a, b); }

constexpr QuotientRemainder Divide(std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
  return portable::Divide(hi, lo, d);
}
#endif

// hi:lo shifted right by `count` bits; every bit shifted out below lo is or-ed into lo's lowest
// bit, so that rounding still sees that something was there.
constexpr U128 ShiftRightJamming(U128 value, int count) {
  if (count <= 0) return value;
  if (count < 64) {
    const bool lost = (value.lo << (64 - count)) != 0;
    return {value.hi >> count, (value.hi << (64 - count)) | (value.lo >> count) | (lost ? 1u : 0u)};
  }
  if (count == 64) return {0, value.hi | (value.lo != 0 ? 1u : 0u)};
  if (count < 128) {
    const bool lost = (value.hi << (128 - count)) != 0 || value.lo != 0;
    return {0, (value.hi >> (count - 64)) | (lost ? 1u : 0u)};
  }
  return {0, (value.hi | value.lo) != 0 ? 1u : 0u};
}

}  // namespace gb::wide
