// Any finite value, including the extremes of the extended format, by big-integer arithmetic.
// Slow (up to a few hundred microseconds near the ends of the range) but simple enough to trust.
#include <algorithm>
#include <array>
#include <cstdint>

#include "text/Digits18.h"
#include "text/Digits18Rounding.h"
#include "text/PowersOfTen.h"

namespace gb::detail {
namespace {

// Largest intermediate: a 64-bit significand shifted left by 16321 bits (the largest value).
constexpr int kMaxLimbs = 528;
constexpr std::uint32_t kBillion = 1'000'000'000;
constexpr std::uint32_t kPow5To13 = 1'220'703'125;

class BigUnsigned {
 public:
  explicit BigUnsigned(std::uint64_t value) {
    limbs_[0] = static_cast<std::uint32_t>(value);
    limbs_[1] = static_cast<std::uint32_t>(value >> 32);
    size_ = limbs_[1] != 0 ? 2 : 1;
  }

  void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
      limbs_[i] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
  }

  // 10^p = 5^p * 2^p, and the power of two is left to the caller's shift: a smaller number and
  // larger steps than multiplying by 10^9.
  void MultiplyByPow5(int power) {
    for (; power >= 13; power -= 13) MultiplyBy(kPow5To13);
    if (power > 0) MultiplyBy(static_cast<std::uint32_t>(kPow10U64[power] >> power));
  }

  // Returns the remainder. The long loops pass a constant divisor, so that the compiler turns
  // the divisions into multiplications.
  template <std::uint32_t kDivisor>
  std::uint32_t DivideBy() {
    return DivideBy(kDivisor);
  }
  __attribute__((always_inline)) std::uint32_t DivideBy(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) {
      const std::uint64_t part = (remainder << 32) | limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(part / divisor);
      remainder = part % divisor;
    }
    Trim();
    return static_cast<std::uint32_t>(remainder);
  }

  // The tail of this / 10^power, the bits already shifted out (`sticky`) lying below all of it.
  // The last divisor is the most significant part of the remainder and is even, so comparing
  // its remainder with half of it decides, the earlier ones only break the tie.
  Tail DivideByPow10(int power, bool sticky) {
    for (; power > 9; power -= 9) sticky |= DivideBy<kBillion>() != 0;
    const auto divisor = static_cast<std::uint32_t>(kPow10U64[power]);
    const std::uint64_t twice = std::uint64_t{DivideBy(divisor)} * 2;
    if (twice < divisor) return twice == 0 && !sticky ? Tail::Zero : Tail::BelowHalf;
    if (twice == divisor) return sticky ? Tail::AboveHalf : Tail::Half;
    return Tail::AboveHalf;
  }

  void ShiftLeft(int bits) {
    const int words = bits / 32;
    const int offset = bits % 32;
    limbs_[size_] = 0;
    for (int i = size_; i >= 0; --i) {
      std::uint32_t value = limbs_[i] << offset;
      if (offset != 0 && i > 0) value |= limbs_[i - 1] >> (32 - offset);
      limbs_[i + words] = value;
    }
    std::fill_n(limbs_.begin(), words, 0u);
    size_ += words + 1;
    Trim();
  }

  // Shifts right by `bits` >= 1, returning the tail of what fell off.
  Tail ShiftRight(int bits) {
    const int halfBit = bits - 1;
    const bool half = halfBit / 32 < size_ && ((limbs_[halfBit / 32] >> (halfBit % 32)) & 1) != 0;
    bool below = false;
    for (int i = 0; i < std::min(halfBit / 32, size_) && !below; ++i) below = limbs_[i] != 0;
    if (halfBit / 32 < size_ && halfBit % 32 != 0) {
      below |= (limbs_[halfBit / 32] & ((std::uint32_t{1} << (halfBit % 32)) - 1)) != 0;
    }

    const int words = bits / 32;
    const int offset = bits % 32;
    const int newSize = std::max(size_ - words, 1);
    for (int i = 0; i < newSize; ++i) {
      const int from = i + words;
      std::uint32_t value = from < size_ ? limbs_[from] >> offset : 0;
      if (offset != 0 && from + 1 < size_) value |= limbs_[from + 1] << (32 - offset);
      limbs_[i] = value;
    }
    size_ = newSize;
    Trim();
    if (half) return below ? Tail::AboveHalf : Tail::Half;
    return below ? Tail::BelowHalf : Tail::Zero;
  }

  // Only called once the value is known to be below 10^19.
  std::uint64_t Low64() const {
    return size_ > 1 ? (std::uint64_t{limbs_[1]} << 32) | limbs_[0] : limbs_[0];
  }

 private:
  void Trim() {
    while (size_ > 1 && limbs_[size_ - 1] == 0) --size_;
  }

  std::array<std::uint32_t, kMaxLimbs> limbs_{};
  int size_ = 1;
};

}  // namespace

Digits18 RoundToDigits18Exact(BinaryFloat b) {
  const int exponent = EstimateDecimalExponent(b);
  const int scale = 18 - exponent;
  BigUnsigned number(b.significand);
  int binaryExponent = b.exponent;
  if (scale > 0) {
    number.MultiplyByPow5(scale);
    binaryExponent += scale;
  }
  if (binaryExponent > 0) number.ShiftLeft(binaryExponent);
  Tail tail = Tail::Zero;
  if (binaryExponent < 0) tail = number.ShiftRight(-binaryExponent);
  if (scale < 0) tail = number.DivideByPow10(-scale, tail != Tail::Zero);
  return RoundQuotient(number.Low64(), tail, exponent);
}

}  // namespace gb::detail
