#include "engine/FixedPoint.h"

#include <cmath>

namespace gb {

using u128 = unsigned __int128;

FixedPoint::FixedPoint(int fractionLimbs, std::uint64_t integer)
    : fractionLimbs_(fractionLimbs), limbs_(fractionLimbs + kIntegerLimbs, 0) {
  limbs_[fractionLimbs] = integer;
}

bool FixedPoint::IsZero() const {
  for (std::uint64_t limb : limbs_)
    if (limb != 0) return false;
  return true;
}

Extended FixedPoint::Approximate() const {
  Extended value;
  const int top = static_cast<int>(limbs_.size()) - 1;
  for (int i = top; i >= 0 && i >= top - 3; --i) {
    value += Extended::FromUnsigned(limbs_[i]).Scaled(64 * (i - fractionLimbs_));
  }
  return value;
}

bool FixedPoint::FractionBit(int bit) const {
  const int fromBottom = 64 * fractionLimbs_ - bit;
  return (limbs_[fromBottom / 64] >> (fromBottom % 64)) & 1;
}

std::uint64_t FixedPoint::FractionWord(int skip, bool& sticky) const {
  std::uint64_t word = 0;
  for (int bit = skip + 1; bit <= skip + 64; ++bit) word = (word << 1) | FractionBit(bit);
  sticky = false;
  for (int bit = skip + 65; bit <= 64 * fractionLimbs_ && !sticky; ++bit) sticky = FractionBit(bit);
  return word;
}

FixedPoint FixedPoint::Ratio(int fractionLimbs, u128 num, u128 den) {
  FixedPoint q(fractionLimbs);
  // Restoring division, one bit at a time: den needs up to 66 bits, beyond a machine word.
  u128 rest = num;
  for (int i = fractionLimbs - 1; i >= 0; --i) {
    std::uint64_t limb = 0;
    for (int b = 63; b >= 0; --b) {
      rest <<= 1;
      if (rest >= den) {
        rest -= den;
        limb |= std::uint64_t{1} << b;
      }
    }
    q.limbs_[i] = limb;
  }
  return q;
}

FixedPoint operator+(const FixedPoint& a, const FixedPoint& b) {
  FixedPoint sum(a.fractionLimbs_);
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
    const u128 s = static_cast<u128>(a.limbs_[i]) + b.limbs_[i] + carry;
    sum.limbs_[i] = static_cast<std::uint64_t>(s);
    carry = static_cast<std::uint64_t>(s >> 64);
  }
  return sum;
}

FixedPoint operator-(const FixedPoint& a, const FixedPoint& b) {
  FixedPoint difference(a.fractionLimbs_);
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
    const u128 d = static_cast<u128>(a.limbs_[i]) - b.limbs_[i] - borrow;
    difference.limbs_[i] = static_cast<std::uint64_t>(d);
    borrow = (d >> 64) != 0 ? 1 : 0;
  }
  return difference;
}

FixedPoint operator*(const FixedPoint& a, const FixedPoint& b) {
  const std::size_t n = a.limbs_.size();
  std::vector<std::uint64_t> full(2 * n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    if (a.limbs_[i] == 0) continue;
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < n; ++j) {
      const u128 p = static_cast<u128>(a.limbs_[i]) * b.limbs_[j] + full[i + j] + carry;
      full[i + j] = static_cast<std::uint64_t>(p);
      carry = static_cast<std::uint64_t>(p >> 64);
    }
    full[i + n] += carry;
  }
  FixedPoint product(a.fractionLimbs_);
  for (std::size_t i = 0; i < n; ++i) product.limbs_[i] = full[i + a.fractionLimbs_];
  return product;
}

FixedPoint operator*(const FixedPoint& a, std::uint64_t m) {
  FixedPoint product(a.fractionLimbs_);
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
    const u128 p = static_cast<u128>(a.limbs_[i]) * m + carry;
    product.limbs_[i] = static_cast<std::uint64_t>(p);
    carry = static_cast<std::uint64_t>(p >> 64);
  }
  return product;
}

FixedPoint operator/(const FixedPoint& a, std::uint64_t d) {
  FixedPoint quotient(a.fractionLimbs_);
  u128 rest = 0;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    const u128 part = (rest << 64) | a.limbs_[i];
    quotient.limbs_[i] = static_cast<std::uint64_t>(part / d);
    rest = part % d;
  }
  return quotient;
}

bool operator<(const FixedPoint& a, const FixedPoint& b) {
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i];
  }
  return false;
}

FixedPoint FixedPoint::ShiftedRight(int bits) const {
  FixedPoint shifted(fractionLimbs_);
  const std::size_t words = bits / 64, rest = bits % 64;
  for (std::size_t i = 0; i + words < limbs_.size(); ++i) {
    std::uint64_t limb = limbs_[i + words] >> rest;
    if (rest != 0 && i + words + 1 < limbs_.size()) limb |= limbs_[i + words + 1] << (64 - rest);
    shifted.limbs_[i] = limb;
  }
  return shifted;
}

}  // namespace gb
