// Signed 128-bit fixed-point numbers on two 64-bit words, for the power function's fast path:
// integer steps give the same bits on every processor and cost a fraction of floating-point
// steps done in software. A value is the two's complement integer hi:lo times 2^-q, where the
// scale q is the caller's to keep track of. Products truncate towards minus infinity, so each
// loses less than one unit of the last place.
#pragma once

#include <bit>
#include <cstdint>

#include "extended/Extended.h"
#include "extended/Wide.h"

namespace gb::fixed128 {

struct Fixed {
  std::uint64_t hi = 0;
  std::uint64_t lo = 0;
};

constexpr bool IsNegative(Fixed a) { return (a.hi >> 63) != 0; }

constexpr Fixed Add(Fixed a, Fixed b) {
  const std::uint64_t lo = a.lo + b.lo;
  return {a.hi + b.hi + (lo < a.lo ? 1u : 0u), lo};
}

constexpr Fixed Negate(Fixed a) { return Add({~a.hi, ~a.lo}, {0, 1}); }

constexpr Fixed Subtract(Fixed a, Fixed b) { return Add(a, Negate(b)); }

// a * 2^-count, rounded towards minus infinity; 0 < count < 64.
constexpr Fixed ShiftRight(Fixed a, int count) {
  return {static_cast<std::uint64_t>(static_cast<std::int64_t>(a.hi) >> count),
          (a.lo >> count) | (a.hi << (64 - count))};
}

// a * 2^count, which must fit; 0 < count < 64.
constexpr Fixed ShiftLeft(Fixed a, int count) {
  return {(a.hi << count) | (a.lo >> (64 - count)), a.lo << count};
}

// An extended number at scale q, rounded towards zero; it must fit below 2^(127 - q).
constexpr Fixed FromExtended(Extended x, int q) {
  if (x.IsZero()) return {};
  // x = significand * 2^(shift - q): the significand moved `shift` places.
  const int shift = x.BiasedExponent() - Extended::kBias - 63 + q;
  const std::uint64_t s = x.Significand();
  Fixed magnitude;
  if (shift >= 64) {
    magnitude = {s << (shift - 64), 0};
  } else if (shift > 0) {
    magnitude = {s >> (64 - shift), s << shift};
  } else if (shift > -64) {
    magnitude = {0, s >> -shift};
  }
  return x.Negative() ? Negate(magnitude) : magnitude;
}

// floor(a * b / 2^128): the product of values at scales qa and qb at scale qa + qb - 128.
constexpr Fixed MultiplyHigh(Fixed a, Fixed b) {
  const wide::U128 ll = wide::Multiply(a.lo, b.lo), lh = wide::Multiply(a.lo, b.hi),
                   hl = wide::Multiply(a.hi, b.lo), hh = wide::Multiply(a.hi, b.hi);
  // The unsigned product's words from the bottom: ll.lo, middle, then the high half.
  std::uint64_t middle = ll.hi + lh.lo;
  std::uint64_t carry = middle < ll.hi ? 1 : 0;
  middle += hl.lo;
  carry += middle < hl.lo ? 1 : 0;
  Fixed high = Add({hh.hi, hh.lo}, Add({0, lh.hi}, Add({0, hl.hi}, {0, carry})));
  // Two's complement: an operand below zero stands for itself plus 2^128.
  if (IsNegative(a)) high = Subtract(high, b);
  if (IsNegative(b)) high = Subtract(high, a);
  return high;
}

// a * n / 2^count, rounded towards zero, for a product that fits; 0 < count < 64.
constexpr Fixed MultiplyByInteger(Fixed a, std::int64_t n, int count) {
  const bool negative = IsNegative(a) != (n < 0);
  const Fixed ua = IsNegative(a) ? Negate(a) : a;
  const std::uint64_t un = n < 0 ? 0 - static_cast<std::uint64_t>(n) : n;
  const wide::U128 low = wide::Multiply(ua.lo, un), high = wide::Multiply(ua.hi, un);
  // The 192-bit product's words w2:w1:w0.
  const std::uint64_t w0 = low.lo, w1 = low.hi + high.lo;
  const std::uint64_t w2 = high.hi + (w1 < low.hi ? 1 : 0);
  const Fixed magnitude{(w1 >> count) | (w2 << (64 - count)), (w0 >> count) | (w1 << (64 - count))};
  return negative ? Negate(magnitude) : magnitude;
}

// The place of the leading bit of a positive value (0 for the units' bit of the integer hi:lo).
constexpr int LeadingBit(Fixed a) {
  return a.hi != 0 ? 127 - std::countl_zero(a.hi) : 63 - std::countl_zero(a.lo);
}

}  // namespace gb::fixed128
