// The arithmetic of Extended, inline: the operations are a few dozen instructions each, and the
// program's hot loops (the power function, the report's grids) call them by the million.
#pragma once

#include <bit>
#include <cstring>
#include <utility>

#include "extended/Wide.h"

// The hot paths are folded into their callers, where the compiler would otherwise call them.
#if defined(__GNUC__)
#define GB_EXTENDED_INLINE [[gnu::always_inline]] inline
#else
#define GB_EXTENDED_INLINE inline
#endif

namespace gb {

namespace detail_extended {

using wide::U128;

inline constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;

// A finite non-zero operand taken apart: value = significand * 2^(exponent - kBias - 63), the
// significand's leading bit set. An extended subnormal gets an exponent below 1.
struct Unpacked {
  bool negative;
  int exponent;
  std::uint64_t significand;
};

GB_EXTENDED_INLINE Unpacked Unpack(Extended x) {
  Unpacked u{x.Negative(), x.BiasedExponent(), x.Significand()};
  if (u.exponent == 0) u.exponent = 1;  // a subnormal's scale is the smallest normal one
  const int shift = std::countl_zero(u.significand);
  u.significand <<= shift;
  u.exponent -= shift;
  return u;
}

// Both finite, non-zero and normal: the case of nearly every operation, with no special value
// to look at and nothing to normalise.
GB_EXTENDED_INLINE bool BothNormal(Extended a, Extended b) {
  constexpr unsigned kNormalSpan = Extended::kMaxBiasedExponent - 1;
  return static_cast<unsigned>(a.BiasedExponent() - 1) < kNormalSpan &&
         static_cast<unsigned>(b.BiasedExponent() - 1) < kNormalSpan &&
         ((a.Significand() & b.Significand()) >> 63) != 0;
}

// The exact value significand.fraction * 2^(exponent - kBias - 63), the significand's leading bit
// set and the fraction's lowest bit also standing for everything below it, rounded once to 64
// bits, nearest, ties to even.
GB_EXTENDED_INLINE Extended RoundAndPack(bool negative, int exponent, U128 value) {
  if (exponent <= 0) {
    // Below the normal range the place to round at is fixed: the subnormals' own.
    value = wide::ShiftRightJamming(value, 1 - exponent);
    exponent = 0;
  }
  const bool half = (value.lo >> 63) != 0;
  const bool beyondHalf = (value.lo << 1) != 0;
  if (half && (beyondHalf || (value.hi & 1) != 0)) {
    if (++value.hi == 0) {
      value.hi = kLeadingBit;
      ++exponent;
    }
  }
  // A subnormal rounded up into the leading bit is the smallest normal number.
  if (exponent == 0 && (value.hi & kLeadingBit) != 0) exponent = 1;
  if (exponent >= Extended::kMaxBiasedExponent) return Extended::Infinity(negative);
  return Extended::FromFields(negative, exponent, value.hi);
}

// A quiet NaN from the first NaN operand, as the unit passes one on.
inline Extended Quiet(Extended nan) {
  return Extended::FromFields(nan.Negative(), Extended::kMaxBiasedExponent,
                              nan.Significand() | (kLeadingBit >> 1) | kLeadingBit);
}

inline Extended PropagateNaN(Extended a, Extended b) {
  // The unit returns the NaN with the larger significand, the first on a tie.
  if (a.IsNaN() && b.IsNaN()) {
    return Quiet((b.Significand() << 1) > (a.Significand() << 1) ? b : a);
  }
  return Quiet(a.IsNaN() ? a : b);
}

// a + b of finite non-zero operands, their signs in `negative` (b's as it is added): the
// magnitudes add, or the smaller is taken from the larger, whose sign the result has.
GB_EXTENDED_INLINE Extended AddMagnitudes(Unpacked a, Unpacked b, bool subtract) {
  if (a.exponent < b.exponent || (a.exponent == b.exponent && a.significand < b.significand)) {
    std::swap(a, b);
  }
  const U128 smaller = wide::ShiftRightJamming({b.significand, 0}, a.exponent - b.exponent);
  if (!subtract) {
    U128 sum{a.significand + smaller.hi, smaller.lo};
    if (sum.hi < a.significand) {  // a carry out of the significand
      sum = wide::ShiftRightJamming(sum, 1);
      sum.hi |= kLeadingBit;
      return RoundAndPack(a.negative, a.exponent + 1, sum);
    }
    return RoundAndPack(a.negative, a.exponent, sum);
  }
  U128 difference{a.significand - smaller.hi - (smaller.lo != 0 ? 1 : 0), 0 - smaller.lo};
  if (difference.hi == 0 && difference.lo == 0) return Extended();  // x - x is +0
  // Only an exponent gap of 0 or 1 can cancel many bits, and then nothing was jammed.
  const int shift =
      difference.hi != 0 ? std::countl_zero(difference.hi) : 64 + std::countl_zero(difference.lo);
  if (shift >= 64) {
    difference = {difference.lo << (shift - 64), 0};
  } else if (shift > 0) {
    difference = {(difference.hi << shift) | (difference.lo >> (64 - shift)),
                  difference.lo << shift};
  }
  return RoundAndPack(a.negative, a.exponent - shift, difference);
}

GB_EXTENDED_INLINE Extended Add(Extended a, Extended b, bool subtract) {
  const bool bNegative = b.Negative() != subtract;
  if (BothNormal(a, b)) [[likely]] {
    return AddMagnitudes({a.Negative(), a.BiasedExponent(), a.Significand()},
                         {bNegative, b.BiasedExponent(), b.Significand()},
                         a.Negative() != bNegative);
  }
  if (a.IsNaN() || b.IsNaN()) return PropagateNaN(a, b);
  if (a.IsInfinite()) {
    if (b.IsInfinite() && a.Negative() != bNegative) return Extended::DefaultNaN();
    return a;
  }
  if (b.IsInfinite()) return Extended::Infinity(bNegative);
  if (b.IsZero()) {
    // (+0) + (-0) is +0, as every sum that cancels exactly.
    if (a.IsZero()) return Extended::FromFields(a.Negative() && bNegative, 0, 0);
    return a;
  }
  Unpacked ub = Unpack(b);
  ub.negative = bNegative;
  if (a.IsZero()) return RoundAndPack(ub.negative, ub.exponent, {ub.significand, 0});
  const Unpacked ua = Unpack(a);
  return AddMagnitudes(ua, ub, ua.negative != ub.negative);
}

GB_EXTENDED_INLINE Extended MultiplyUnpacked(bool negative, Unpacked ua, Unpacked ub) {
  wide::U128 product = wide::Multiply(ua.significand, ub.significand);
  int exponent = ua.exponent + ub.exponent - Extended::kBias + 1;
  if ((product.hi & kLeadingBit) == 0) {
    product = {(product.hi << 1) | (product.lo >> 63), product.lo << 1};
    --exponent;
  }
  return RoundAndPack(negative, exponent, product);
}

GB_EXTENDED_INLINE Extended DivideUnpacked(bool negative, Unpacked ua, Unpacked ub) {
  // The quotient of the significands lies in (1/2, 2): its first 128 bits and a remainder.
  const bool atLeastOne = ua.significand >= ub.significand;
  const wide::QuotientRemainder q = wide::Divide(
      atLeastOne ? ua.significand - ub.significand : ua.significand, 0, ub.significand);
  int exponent = ua.exponent - ub.exponent + Extended::kBias;
  // Rounding needs only the next bit of the quotient and whether anything follows it; the
  // remainder tells both without dividing again.
  wide::U128 quotient;
  if (atLeastOne) {
    // 1.q: one place to the right makes the leading 1 the significand's top bit.
    quotient = {kLeadingBit | (q.quotient >> 1), (q.quotient << 63) | (q.remainder != 0 ? 1u : 0u)};
  } else {
    const std::uint64_t rest = ub.significand - q.remainder;  // 2 r >= d  <=>  r >= d - r
    const bool half = q.remainder >= rest;
    const bool beyond = half ? q.remainder != rest : q.remainder != 0;
    quotient = {q.quotient, (half ? kLeadingBit : 0) | (beyond ? 1u : 0u)};
    --exponent;
  }
  return RoundAndPack(negative, exponent, quotient);
}

}  // namespace detail_extended

inline Extended Extended::FromDouble(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  const bool negative = (bits >> 63) != 0;
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (exponent == 0x7FF) {
    if (fraction == 0) return Infinity(negative);
    return FromFields(negative, kMaxBiasedExponent,
                      detail_extended::kLeadingBit | (fraction << 11));
  }
  if (exponent == 0) {
    if (fraction == 0) return FromFields(negative, 0, 0);
    const int shift = std::countl_zero(fraction);
    // fraction * 2^-1074 with the fraction's leading bit moved to bit 63.
    return FromFields(negative, kBias - 1011 - shift, fraction << shift);
  }
  return FromFields(negative, exponent - 1023 + kBias,
                    detail_extended::kLeadingBit | (fraction << 11));
}

inline Extended Extended::FromRounded(bool negative, int exponent, std::uint64_t significand,
                                      std::uint64_t fraction) {
  // Far beyond the range either way the result is infinite or zero all the same.
  const int clamped = exponent < -70000 ? -70000 : exponent > 70000 ? 70000 : exponent;
  return detail_extended::RoundAndPack(negative, clamped + kBias, {significand, fraction});
}

inline Extended Extended::FromUnsigned(std::uint64_t value) {
  if (value == 0) return {};
  const int shift = std::countl_zero(value);
  return FromFields(false, kBias + 63 - shift, value << shift);
}

inline Extended Extended::FromInteger(std::int64_t value) {
  // The magnitude of the most negative value is 2^63, which fits the unsigned form.
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const Extended x = FromUnsigned(magnitude);
  return value < 0 ? -x : x;
}

inline double Extended::ToDouble() const {
  std::uint64_t bits = Negative() ? std::uint64_t{1} << 63 : 0;
  const auto fromBits = [](std::uint64_t b) {
    double d;
    std::memcpy(&d, &b, sizeof d);
    return d;
  };
  if (IsNaN())
    return fromBits(bits | (std::uint64_t{0x7FF} << 52) | (std::uint64_t{1} << 51) |
                    ((significand_ << 1) >> 12));
  if (IsInfinite()) return fromBits(bits | (std::uint64_t{0x7FF} << 52));
  if (IsZero()) return fromBits(bits);
  const detail_extended::Unpacked u = detail_extended::Unpack(*this);
  int exponent = u.exponent - kBias;  // value = significand * 2^(exponent - 63)
  // Bits of the significand below the double's last place: 11 in the normal range, more below.
  const int dropped = exponent >= -1022 ? 11 : 11 + (-1022 - exponent);
  std::uint64_t kept = 0, rest = 0, half = 0;
  if (dropped < 64) {
    kept = u.significand >> dropped;
    rest = u.significand & ((std::uint64_t{1} << dropped) - 1);
    half = std::uint64_t{1} << (dropped - 1);
  } else if (dropped == 64) {
    rest = u.significand;
    half = detail_extended::kLeadingBit;
  } else {
    return fromBits(bits);  // below half the smallest subnormal
  }
  if (rest > half || (rest == half && (kept & 1) != 0)) ++kept;
  if (exponent < -1022) return fromBits(bits | kept);  // a carry makes the smallest normal
  if (kept == std::uint64_t{1} << 53) {
    kept >>= 1;
    ++exponent;
  }
  if (exponent > 1023) return fromBits(bits | (std::uint64_t{0x7FF} << 52));
  return fromBits(bits | (static_cast<std::uint64_t>(exponent + 1023) << 52) |
                  (kept & ((std::uint64_t{1} << 52) - 1)));
}

inline Extended operator+(Extended a, Extended b) { return detail_extended::Add(a, b, false); }

inline Extended operator-(Extended a, Extended b) { return detail_extended::Add(a, b, true); }

inline Extended operator*(Extended a, Extended b) {
  const bool negative = a.Negative() != b.Negative();
  if (detail_extended::BothNormal(a, b)) [[likely]] {
    return detail_extended::MultiplyUnpacked(negative,
                                             {negative, a.BiasedExponent(), a.Significand()},
                                             {negative, b.BiasedExponent(), b.Significand()});
  }
  if (a.IsNaN() || b.IsNaN()) return detail_extended::PropagateNaN(a, b);
  if (a.IsInfinite() || b.IsInfinite()) {
    if (a.IsZero() || b.IsZero()) return Extended::DefaultNaN();
    return Extended::Infinity(negative);
  }
  if (a.IsZero() || b.IsZero()) return Extended::FromFields(negative, 0, 0);
  return detail_extended::MultiplyUnpacked(negative, detail_extended::Unpack(a),
                                           detail_extended::Unpack(b));
}

inline Extended operator/(Extended a, Extended b) {
  const bool negative = a.Negative() != b.Negative();
  if (detail_extended::BothNormal(a, b)) [[likely]] {
    return detail_extended::DivideUnpacked(negative,
                                           {negative, a.BiasedExponent(), a.Significand()},
                                           {negative, b.BiasedExponent(), b.Significand()});
  }
  if (a.IsNaN() || b.IsNaN()) return detail_extended::PropagateNaN(a, b);
  if (a.IsInfinite()) {
    return b.IsInfinite() ? Extended::DefaultNaN() : Extended::Infinity(negative);
  }
  if (b.IsInfinite()) return Extended::FromFields(negative, 0, 0);
  if (b.IsZero()) return a.IsZero() ? Extended::DefaultNaN() : Extended::Infinity(negative);
  if (a.IsZero()) return Extended::FromFields(negative, 0, 0);
  return detail_extended::DivideUnpacked(negative, detail_extended::Unpack(a),
                                         detail_extended::Unpack(b));
}

inline Extended Extended::Scaled(int exponent) const {
  if (!IsFinite() || IsZero()) return *this;
  const detail_extended::Unpacked u = detail_extended::Unpack(*this);
  const long long scaled = static_cast<long long>(u.exponent) - kBias + exponent;
  const int clamped = static_cast<int>(scaled < -80000 ? -80000 : scaled > 80000 ? 80000 : scaled);
  return FromRounded(u.negative, clamped, u.significand, 0);
}

inline std::int64_t Extended::Truncated() const {
  if (IsZero() || BiasedExponent() < kBias) return 0;
  const int shift = 63 - (BiasedExponent() - kBias);
  const std::uint64_t magnitude = shift <= 0 ? significand_ : significand_ >> shift;
  if (!Negative()) return static_cast<std::int64_t>(magnitude);
  return magnitude == detail_extended::kLeadingBit ? INT64_MIN
                                                   : -static_cast<std::int64_t>(magnitude);
}

inline bool operator==(Extended a, Extended b) {
  if (a.IsNaN() || b.IsNaN()) return false;
  if (a.IsZero() && b.IsZero()) return true;
  return a.Negative() == b.Negative() && a.BiasedExponent() == b.BiasedExponent() &&
         a.Significand() == b.Significand();
}

inline bool operator<(Extended a, Extended b) {
  if (a.IsNaN() || b.IsNaN()) return false;
  if (a.IsZero() && b.IsZero()) return false;
  if (a.Negative() != b.Negative()) return a.Negative();
  const bool magnitudeLess = a.BiasedExponent() != b.BiasedExponent()
                                 ? a.BiasedExponent() < b.BiasedExponent()
                                 : a.Significand() < b.Significand();
  const bool magnitudeEqual =
      a.BiasedExponent() == b.BiasedExponent() && a.Significand() == b.Significand();
  return a.Negative() ? !magnitudeLess && !magnitudeEqual : magnitudeLess;
}

}  // namespace gb
