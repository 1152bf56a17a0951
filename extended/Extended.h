// The program's numbers between a text and a double: the value set of the x87 80-bit extended
// format (sign, 15-bit exponent, 64-bit significand with its leading bit explicit) and its
// arithmetic at 64-bit precision, round to nearest, ties to even, written on 64-bit integers.
// Every processor then gives the bytes x86-64's x87 unit gives, which the tests hold it to bit
// for bit: each operation is the exact result correctly rounded once, and the store to a double
// rounds that 64-bit value once more, as the x87 unit's store does.
//
// Results below the smallest normal number are rounded at their subnormal place (gradual
// underflow); beyond the largest they are infinite. Invalid operations give the x87 unit's
// default NaN. No operation traps or reads a floating-point environment.
#pragma once

#include <cstdint>

namespace gb {

class Extended {
 public:
  static constexpr int kBias = 16383;
  static constexpr int kMaxBiasedExponent = 0x7FFF;  // infinities and NaNs

  constexpr Extended() = default;  // +0
  // Exact, as FromDouble.
  explicit Extended(double value) : Extended(FromDouble(value)) {}

  // Exact: every double, subnormals included, is a normal extended number.
  static Extended FromDouble(double value);
  // Exact: 64 bits always fit the significand.
  static Extended FromInteger(std::int64_t value);
  static Extended FromUnsigned(std::uint64_t value);
  // The number with these fields, as the x87 format stores them.
  static constexpr Extended FromFields(bool negative, int biasedExponent,
                                       std::uint64_t significand) {
    Extended x;
    x.significand_ = significand;
    x.signExponent_ =
        static_cast<std::uint16_t>((negative ? 0x8000 : 0) | (biasedExponent & 0x7FFF));
    return x;
  }
  // ±significand * 2^(exponent - 63), the significand's leading bit set: the number whose
  // leading bit stands for 2^exponent. For tables written as constants.
  static constexpr Extended FromSignificand(bool negative, std::uint64_t significand,
                                            int exponent) {
    return FromFields(negative, exponent + kBias, significand);
  }
  // The value significand.fraction * 2^(exponent - 63), the significand's leading bit set and
  // the fraction's lowest bit standing also for any bits below it, rounded once: for
  // conversions that work out more bits than the format holds.
  static Extended FromRounded(bool negative, int exponent, std::uint64_t significand,
                              std::uint64_t fraction);
  // The x87 unit's answer to an invalid operation ("real indefinite").
  static constexpr Extended DefaultNaN() {
    return FromFields(true, kMaxBiasedExponent, 0xC000000000000000u);
  }
  static constexpr Extended Infinity(bool negative = false) {
    return FromFields(negative, kMaxBiasedExponent, std::uint64_t{1} << 63);
  }

  constexpr bool Negative() const { return (signExponent_ & 0x8000) != 0; }
  constexpr int BiasedExponent() const { return signExponent_ & 0x7FFF; }
  constexpr std::uint64_t Significand() const { return significand_; }
  constexpr bool IsZero() const { return BiasedExponent() == 0 && significand_ == 0; }
  constexpr bool IsNaN() const {
    return BiasedExponent() == kMaxBiasedExponent && (significand_ << 1) != 0;
  }
  constexpr bool IsInfinite() const {
    return BiasedExponent() == kMaxBiasedExponent && (significand_ << 1) == 0;
  }
  constexpr bool IsFinite() const { return BiasedExponent() != kMaxBiasedExponent; }

  // Rounded to the nearest double, ties to even, at the subnormal place below the normal range;
  // an infinity beyond it. A NaN stays a NaN.
  double ToDouble() const;

  friend Extended operator+(Extended a, Extended b);
  friend Extended operator-(Extended a, Extended b);
  friend Extended operator*(Extended a, Extended b);
  friend Extended operator/(Extended a, Extended b);
  // A double operand is widened first, exactly, as C++ widens it for a long double.
  friend Extended operator+(Extended a, double b) { return a + Extended(b); }
  friend Extended operator-(Extended a, double b) { return a - Extended(b); }
  friend Extended operator*(Extended a, double b) { return a * Extended(b); }
  friend Extended operator/(Extended a, double b) { return a / Extended(b); }
  friend Extended operator+(double a, Extended b) { return Extended(a) + b; }
  friend Extended operator-(double a, Extended b) { return Extended(a) - b; }
  friend Extended operator*(double a, Extended b) { return Extended(a) * b; }
  friend Extended operator/(double a, Extended b) { return Extended(a) / b; }
  friend constexpr Extended operator-(Extended a) {
    a.signExponent_ ^= 0x8000;
    return a;
  }
  Extended& operator+=(Extended b) { return *this = *this + b; }
  Extended& operator-=(Extended b) { return *this = *this - b; }
  Extended& operator*=(Extended b) { return *this = *this * b; }
  Extended& operator/=(Extended b) { return *this = *this / b; }

  // As the unit compares: NaNs are unordered (every comparison false but !=), -0 equals +0.
  friend bool operator==(Extended a, Extended b);
  friend bool operator<(Extended a, Extended b);
  friend bool operator!=(Extended a, Extended b) { return !(a == b); }
  friend bool operator>(Extended a, Extended b) { return b < a; }
  friend bool operator<=(Extended a, Extended b) { return a < b || a == b; }
  friend bool operator>=(Extended a, Extended b) { return b < a || a == b; }

  // x * 2^exponent, exact unless the result leaves the normal range (then rounded as a product).
  Extended Scaled(int exponent) const;
  // The magnitude.
  constexpr Extended Abs() const { return FromFields(false, BiasedExponent(), significand_); }
  // Towards zero, as a static_cast of a long double to an integer; the value must fit.
  std::int64_t Truncated() const;

 private:
  std::uint64_t significand_ = 0;
  std::uint16_t signExponent_ = 0;  // the sign in bit 15, the biased exponent below it
};

}  // namespace gb

#include "extended/ExtendedArithmetic.h"  // IWYU pragma: export
