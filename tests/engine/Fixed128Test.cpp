#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/Fixed128.h"

namespace gb {
namespace {

using fixed128::Fixed;

// A 256-bit two's complement reference in eight 32-bit limbs, least significant first, by
// schoolbook multiplication of magnitudes: another road to the same products.
using Limbs = std::array<std::uint32_t, 8>;

Limbs Negated(Limbs x) {
  std::uint64_t carry = 1;
  for (auto& limb : x) {
    carry += static_cast<std::uint32_t>(~limb);
    limb = static_cast<std::uint32_t>(carry);
    carry >>= 32;
  }
  return x;
}

std::array<std::uint32_t, 4> Magnitude(Fixed a) {
  const Fixed m = fixed128::IsNegative(a) ? fixed128::Negate(a) : a;
  return {static_cast<std::uint32_t>(m.lo), static_cast<std::uint32_t>(m.lo >> 32),
          static_cast<std::uint32_t>(m.hi), static_cast<std::uint32_t>(m.hi >> 32)};
}

Limbs ReferenceProduct(Fixed a, Fixed b) {
  const auto x = Magnitude(a), y = Magnitude(b);
  Limbs product{};
  for (int i = 0; i < 4; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < 4; ++j) {
      carry += static_cast<std::uint64_t>(x[i]) * y[j] + product[i + j];
      product[i + j] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    product[i + 4] = static_cast<std::uint32_t>(carry);
  }
  return fixed128::IsNegative(a) != fixed128::IsNegative(b) ? Negated(product) : product;
}

Fixed Words(const Limbs& x, int firstLimb) {
  const auto word = [&](int i) {
    return static_cast<std::uint64_t>(x[i]) | static_cast<std::uint64_t>(x[i + 1]) << 32;
  };
  return {word(firstLimb + 2), word(firstLimb)};
}

// The integer n at scale q.
Fixed FromInteger(std::int64_t n, int q) {
  const Fixed magnitude{0, (n < 0 ? 0 - static_cast<std::uint64_t>(n) : n) << q};
  return n < 0 ? fixed128::Negate(magnitude) : magnitude;
}

bool Same(Fixed a, Fixed b) { return a.hi == b.hi && a.lo == b.lo; }

std::vector<Fixed> Operands() {
  constexpr std::uint64_t kAll = ~std::uint64_t{0}, kTop = std::uint64_t{1} << 63;
  std::vector<Fixed> operands = {{0, 0},       {0, 1},
                                 {kAll, kAll}, {1, 0},
                                 {kAll, 0},    {kTop - 1, kAll},
                                 {kTop, 1},    {0, kAll},
                                 {kAll, kTop}, {0x2C5C85FDF473DE6A, 0xF278ECE600FC0000}};
  std::mt19937_64 random(1128);
  for (int i = 0; i < 400; ++i) {
    // Magnitudes of every size, both signs.
    const int bits = static_cast<int>(random() % 127) + 1;
    Fixed a{random(), random()};
    a = bits > 64 ? Fixed{a.hi >> (128 - bits), a.lo} : Fixed{0, a.lo >> (64 - bits)};
    operands.push_back(random() % 2 != 0 ? fixed128::Negate(a) : a);
  }
  return operands;
}

TEST(Fixed128, MultiplyHighIsTheFloorOfTheExactProduct) {
  const std::vector<Fixed> operands = Operands();
  for (const Fixed a : operands) {
    for (const Fixed b : operands) {
      const Fixed expected = Words(ReferenceProduct(a, b), 4);
      ASSERT_TRUE(Same(fixed128::MultiplyHigh(a, b), expected))
          << std::hex << a.hi << ':' << a.lo << " * " << b.hi << ':' << b.lo;
    }
  }
}

TEST(Fixed128, MultiplyByIntegerTruncatesTowardsZero) {
  const std::int64_t integers[] = {
      0, 1, -1, 12, -16446, 0x1CCCCCCCCCCCCD, -(std::int64_t{1} << 20), INT64_MAX};
  for (const Fixed a : Operands()) {
    for (const std::int64_t n : integers) {
      for (const int count : {1, 12, 53, 63}) {
        Limbs product = ReferenceProduct(a, FromInteger(n, 0));
        const bool negative = (product[7] >> 31) != 0;
        if (negative) product = Negated(product);
        // The magnitude shifted `count` places; only products that fit are the caller's.
        Limbs shifted{};
        for (int bit = count; bit < 256; ++bit) {
          if ((product[bit / 32] >> (bit % 32)) & 1)
            shifted[(bit - count) / 32] |= 1u << ((bit - count) % 32);
        }
        if (shifted[4] != 0 || shifted[5] != 0 || shifted[6] != 0 || shifted[7] != 0 ||
            (shifted[3] >> 31) != 0)
          continue;
        const Fixed magnitude = Words(shifted, 0);
        const Fixed expected = negative ? fixed128::Negate(magnitude) : magnitude;
        ASSERT_TRUE(Same(fixed128::MultiplyByInteger(a, n, count), expected))
            << std::hex << a.hi << ':' << a.lo << " * " << std::dec << n << " >> " << count;
      }
    }
  }
}

TEST(Fixed128, ShiftsAndConversions) {
  const std::uint64_t kAll = ~std::uint64_t{0};
  struct Case {
    Fixed actual, expected;
  };
  const Case cases[] = {
      // Shifting right rounds towards minus infinity.
      {fixed128::ShiftRight({kAll, kAll}, 1), {kAll, kAll}},
      {fixed128::ShiftRight({0, 3}, 1), {0, 1}},
      {fixed128::ShiftRight({1, 0}, 63), {0, 2}},
      {fixed128::ShiftLeft({0, kAll}, 16), {0xFFFF, kAll << 16}},
      {fixed128::Subtract({1, 0}, {0, 1}), {0, kAll}},
      // Extended numbers at a scale, truncated towards zero.
      {fixed128::FromExtended(Extended(0.75), 4), {0, 12}},
      {fixed128::FromExtended(Extended(-1.5), 1), fixed128::Negate({0, 3})},
      {fixed128::FromExtended(Extended(-0.03125), 2), {0, 0}},
      {fixed128::FromExtended(Extended(1.0), 100), {std::uint64_t{1} << 36, 0}},
      {fixed128::FromExtended(Extended(0x1.8p-60), 124), {1, std::uint64_t{1} << 63}},
      {fixed128::FromExtended(Extended(0x1.000001p0), 126),
       {(std::uint64_t{1} << 62) | (1ull << 38), 0}},
      {fixed128::FromExtended(Extended(), 126), {0, 0}},
      {FromInteger(-5, 3), fixed128::Negate({0, 40})},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_TRUE(Same(cases[i].actual, cases[i].expected))
        << "case " << i << ": " << std::hex << cases[i].actual.hi << ':' << cases[i].actual.lo;
  }
  EXPECT_EQ(fixed128::LeadingBit({0, 1}), 0);
  EXPECT_EQ(fixed128::LeadingBit({1, 0}), 64);
  EXPECT_EQ(fixed128::LeadingBit({std::uint64_t{1} << 61, 0}), 125);
}

}  // namespace
}  // namespace gb
