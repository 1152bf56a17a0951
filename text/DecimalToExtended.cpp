// Exact by big-integer arithmetic: the digits times a power of five, or divided by one, and the
// power of two left to the exponent. Only the texts the quick exact path cannot take come here
// (more than 19 digits, or a power of ten beyond 10^27), so simplicity wins over speed.
#include "text/DecimalToExtended.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace gb::detail {
namespace {

// Beyond these the value is infinite or rounds to zero whatever its digits: 10^4933 exceeds the
// largest extended number, 10^-4952 is below half the smallest.
constexpr std::int64_t kInfiniteFromDecade = 4934;
constexpr std::int64_t kZeroBelowDecade = -4952;

// Little-endian 32-bit limbs, no leading zero limbs.
class Big {
 public:
  explicit Big(std::uint64_t value = 0) {
    if (value != 0) limbs_.push_back(static_cast<std::uint32_t>(value));
    if ((value >> 32) != 0) limbs_.push_back(static_cast<std::uint32_t>(value >> 32));
  }

  bool IsZero() const { return limbs_.empty(); }

  int BitLength() const {
    if (limbs_.empty()) return 0;
    return static_cast<int>(32 * limbs_.size()) - std::countl_zero(limbs_.back());
  }

  bool Bit(int index) const {
    const auto limb = static_cast<std::size_t>(index / 32);
    return limb < limbs_.size() && ((limbs_[limb] >> (index % 32)) & 1) != 0;
  }

  void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  }

  void Add(std::uint32_t value) {
    std::uint64_t carry = value;
    for (std::size_t i = 0; carry != 0; ++i) {
      if (i == limbs_.size()) limbs_.push_back(0);
      const std::uint64_t sum = std::uint64_t{limbs_[i]} + carry;
      limbs_[i] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
  }

  void MultiplyByPow5(std::int64_t power) {
    constexpr std::uint32_t kPow5To13 = 1'220'703'125;
    for (; power >= 13; power -= 13) MultiplyBy(kPow5To13);
    std::uint32_t rest = 1;
    for (; power > 0; --power) rest *= 5;
    MultiplyBy(rest);
  }

  void ShiftLeft(int bits) {
    if (limbs_.empty() || bits == 0) return;
    const std::size_t words = static_cast<std::size_t>(bits / 32);
    const int offset = bits % 32;
    limbs_.insert(limbs_.begin(), words, 0);
    if (offset != 0) {
      std::uint32_t carry = 0;
      for (std::size_t i = words; i < limbs_.size(); ++i) {
        const std::uint32_t next = limbs_[i] >> (32 - offset);
        limbs_[i] = (limbs_[i] << offset) | carry;
        carry = next;
      }
      if (carry != 0) limbs_.push_back(carry);
    }
  }

  // this -= other << shift, where that does not go below zero; false (and nothing changed)
  // where it would.
  bool SubtractShifted(const Big& other, int shift) {
    if (BitLength() < other.BitLength() + shift) return false;
    Big shifted = other;
    shifted.ShiftLeft(shift);
    if (Compare(shifted) < 0) return false;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      std::int64_t difference = std::int64_t{limbs_[i]} - borrow -
                                (i < shifted.limbs_.size() ? std::int64_t{shifted.limbs_[i]} : 0);
      borrow = difference < 0 ? 1 : 0;
      limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    return true;
  }

  int Compare(const Big& other) const {
    if (limbs_.size() != other.limbs_.size()) return limbs_.size() < other.limbs_.size() ? -1 : 1;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
      if (limbs_[i] != other.limbs_[i]) return limbs_[i] < other.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  std::vector<std::uint32_t> limbs_;
};

// The first 64 bits of `value` below its leading bit included, the next 64 as the fraction, and
// whether any bit below those is set, or-ed into the fraction's lowest bit.
Extended RoundBits(const Big& value, std::int64_t exponentOfTop, bool sticky) {
  const int top = value.BitLength() - 1;
  std::uint64_t significand = 0, fraction = 0;
  for (int i = 0; i < 128; ++i) {
    const int index = top - i;
    const std::uint64_t bit = index >= 0 && value.Bit(index) ? 1 : 0;
    if (i < 64) {
      significand = (significand << 1) | bit;
    } else {
      fraction = (fraction << 1) | bit;
    }
  }
  for (int index = top - 128; index >= 0 && !sticky; --index) sticky = value.Bit(index);
  if (sticky) fraction |= 1;
  const auto exponent = static_cast<int>(std::clamp<std::int64_t>(exponentOfTop, -80000, 80000));
  return Extended::FromRounded(false, exponent, significand, fraction);
}

}  // namespace

Extended DecimalToExtended(std::string_view digits, std::int64_t scale) {
  Big d;
  for (const char c : digits) {
    d.MultiplyBy(10);
    d.Add(static_cast<std::uint32_t>(c - '0'));
  }
  if (d.IsZero()) return {};
  // The value lies in [10^(decade - 1), 10^decade).
  std::int64_t count = static_cast<std::int64_t>(digits.size());
  for (const char c : digits) {
    if (c != '0') break;
    --count;
  }
  const std::int64_t decade = count + scale;
  if (decade > kInfiniteFromDecade) return Extended::Infinity();
  if (decade < kZeroBelowDecade) return {};

  if (scale >= 0) {
    d.MultiplyByPow5(scale);  // and 2^scale in the exponent
    return RoundBits(d, d.BitLength() - 1 + scale, false);
  }
  // d / 5^k, as a quotient of 66 or 67 bits and a remainder: d or the divisor shifted left so
  // that their lengths differ by 66, the shift going to the exponent.
  const std::int64_t k = -scale;
  Big divisor(1);
  divisor.MultiplyByPow5(k);
  const int delta = d.BitLength() - divisor.BitLength() - 66;
  if (delta < 0) d.ShiftLeft(-delta);
  if (delta > 0) divisor.ShiftLeft(delta);
  std::uint64_t high = 0, low = 0;  // the quotient, below 2^67
  for (int bit = 67; bit >= 0; --bit) {
    if (d.SubtractShifted(divisor, bit)) {
      if (bit >= 64) {
        high |= std::uint64_t{1} << (bit - 64);
      } else {
        low |= std::uint64_t{1} << bit;
      }
    }
  }
  const int top = 64 + std::bit_width(high) - 1;  // high is 2 to 7: the quotient has 66 or 67 bits
  const int extra = top - 63;                     // bits below the significand's last: 2 or 3
  const std::uint64_t significand = (high << (64 - extra)) | (low >> extra);
  std::uint64_t fraction = low << (64 - extra);
  if (!d.IsZero()) fraction |= 1;
  const std::int64_t exponent = top + static_cast<std::int64_t>(delta) - k;
  return Extended::FromRounded(false,
                               static_cast<int>(std::clamp<std::int64_t>(exponent, -80000, 80000)),
                               significand, fraction);
}

Extended PowerOfTen(int n) {
  static const std::array<Extended, kExactPowersOfTen> exact = [] {
    std::array<Extended, kExactPowersOfTen> p;
    std::uint64_t five = 1;
    for (int k = 0; k < kExactPowersOfTen; ++k, five *= 5) {
      p[k] = Extended::FromUnsigned(five).Scaled(k);
    }
    return p;
  }();
  return n < kExactPowersOfTen ? exact[n] : DecimalToExtended("1", n);
}

}  // namespace gb::detail
