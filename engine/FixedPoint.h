// Unsigned fixed-point numbers of any length, for the rare powers the fast path cannot round
// with certainty. Only what a logarithm and an exponential by series need: sums, differences,
// products, and products and quotients by a machine word. Every operation truncates, so each
// loses at most one unit of the last limb.
#pragma once

#include <cstdint>
#include <vector>

#include "extended/Extended.h"

namespace gb {

class FixedPoint {
 public:
  // Two integer limbs above fractionLimbs limbs of fraction: room for the logarithm of any
  // extended number times a 53-bit integer.
  static constexpr int kIntegerLimbs = 2;

  explicit FixedPoint(int fractionLimbs, std::uint64_t integer = 0);

  int FractionLimbs() const { return fractionLimbs_; }
  bool IsZero() const;
  // The integer part's low word.
  std::uint64_t IntegerPart() const { return limbs_[fractionLimbs_]; }
  // The value to a few units of an extended number's last place.
  Extended Approximate() const;
  // Bit `bit` of the fraction counted from the binary point (1 is the halves' bit).
  bool FractionBit(int bit) const;
  // The 64 fraction bits after the first `skip`, and whether any bit beyond them is set.
  std::uint64_t FractionWord(int skip, bool& sticky) const;

  // num / den for num < den, den > 0.
  static FixedPoint Ratio(int fractionLimbs, unsigned __int128 num, unsigned __int128 den);

  friend FixedPoint operator+(const FixedPoint& a, const FixedPoint& b);
  friend FixedPoint operator-(const FixedPoint& a, const FixedPoint& b);  // a >= b
  friend FixedPoint operator*(const FixedPoint& a, const FixedPoint& b);
  friend FixedPoint operator*(const FixedPoint& a, std::uint64_t m);
  friend FixedPoint operator/(const FixedPoint& a, std::uint64_t d);
  friend bool operator<(const FixedPoint& a, const FixedPoint& b);
  FixedPoint ShiftedRight(int bits) const;

 private:
  int fractionLimbs_;
  std::vector<std::uint64_t> limbs_;  // least significant first
};

}  // namespace gb
