// Values of everyday size: one 64 x 128-bit multiplication by an exact power of ten and a
// shift, the shifted-out bits deciding the rounding exactly.
#include <cstdint>

#include "text/Digits18.h"
#include "text/Digits18Rounding.h"
#include "text/PowersOfTen.h"

namespace gb::detail {
namespace {

struct UInt192 {
  std::uint64_t words[3];  // least significant first
};

UInt192 Multiply(std::uint64_t a, UInt128 b) {
  const UInt128 low = static_cast<UInt128>(a) * static_cast<std::uint64_t>(b);
  const UInt128 high = static_cast<UInt128>(a) * static_cast<std::uint64_t>(b >> 64);
  const UInt128 middle = (low >> 64) + static_cast<std::uint64_t>(high);
  return {{static_cast<std::uint64_t>(low), static_cast<std::uint64_t>(middle),
           static_cast<std::uint64_t>(high >> 64) + static_cast<std::uint64_t>(middle >> 64)}};
}

// The 64 bits from bit `start` up; the caller knows nothing lies above them.
std::uint64_t BitsFrom(const UInt192& x, int start) {
  const int word = start / 64;
  const int offset = start % 64;
  std::uint64_t bits = x.words[word] >> offset;
  if (offset != 0 && word < 2) bits |= x.words[word + 1] << (64 - offset);
  return bits;
}

bool AnyBitBelow(const UInt192& x, int end) {
  const int word = end / 64;
  for (int i = 0; i < word; ++i) {
    if (x.words[i] != 0) return true;
  }
  const int offset = end % 64;
  return offset != 0 && (x.words[word] & ((std::uint64_t{1} << offset) - 1)) != 0;
}

// Tail of x >> shift, shift >= 1.
Tail TailOfShift(const UInt192& x, int shift) {
  const int halfBit = shift - 1;
  const bool half = ((x.words[halfBit / 64] >> (halfBit % 64)) & 1) != 0;
  const bool below = AnyBitBelow(x, halfBit);
  if (half) return below ? Tail::AboveHalf : Tail::Half;
  return below ? Tail::BelowHalf : Tail::Zero;
}

}  // namespace

bool RoundToDigits18Fast(BinaryFloat b, Digits18& out) {
  const int exponent = EstimateDecimalExponent(b);
  const int scale = 18 - exponent;
  // A negative binary exponent and a scale within the 128-bit table: the product
  // significand * 10^scale < 2^191 and the shift is at most 190 since the quotient is >= 10^17.
  if (b.exponent >= 0 || scale < 0 || scale >= static_cast<int>(kPow10U128.size())) return false;
  const UInt192 product = Multiply(b.significand, kPow10U128[scale]);
  const int shift = -b.exponent;
  out = RoundQuotient(BitsFrom(product, shift), TailOfShift(product, shift), exponent);
  return true;
}

}  // namespace gb::detail
