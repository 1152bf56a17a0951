// Pieces both ways of computing Digits18 share, so that they round identically.
#pragma once

#include <bit>
#include <cstdint>

#include "text/Digits18.h"
#include "text/PowersOfTen.h"

namespace gb::detail {

// floor(e * log10(2)); exact for |e| <= 20000, which covers every extended number.
constexpr int FloorLog10Pow2(int e) {
  return static_cast<int>((static_cast<std::int64_t>(e) * 661971961083LL) >> 41);
}

// Exponent X of the leading digit, or one less: |value| lies in [2^t, 2^(t+1)) and that
// interval never spans a whole decade.
constexpr int EstimateDecimalExponent(BinaryFloat b) {
  const int t = b.exponent + 63 - std::countl_zero(b.significand);
  return FloorLog10Pow2(t) + 1;
}

// What was cut off below the last kept digit, measured against half a unit of that digit.
enum class Tail : std::uint8_t { Zero, BelowHalf, Half, AboveHalf };

// The tail after one more digit `digit` is cut off in front of `tail`.
constexpr Tail PrependDigit(std::uint64_t digit, Tail tail) {
  if (digit == 5) return tail == Tail::Zero ? Tail::Half : Tail::AboveHalf;
  if (digit > 5) return Tail::AboveHalf;
  return digit == 0 && tail == Tail::Zero ? Tail::Zero : Tail::BelowHalf;
}

// `quotient` and `tail` make up value * 10^(18 - exponent), with quotient in [10^17, 10^19)
// because `exponent` came from EstimateDecimalExponent.
constexpr Digits18 RoundQuotient(std::uint64_t quotient, Tail tail, int exponent) {
  if (quotient >= kPow10U64[18]) {
    tail = PrependDigit(quotient % 10, tail);
    quotient /= 10;
    ++exponent;
  }
  if (tail == Tail::AboveHalf || (tail == Tail::Half && (quotient & 1) != 0)) ++quotient;
  if (quotient == kPow10U64[18]) {
    quotient = kPow10U64[17];
    ++exponent;
  }
  return {quotient, exponent};
}

}  // namespace gb::detail
