// Exact powers of ten in the integer and floating types the conversions work in.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace gb::detail {

using UInt128 = unsigned __int128;

template <typename T, std::size_t N>
constexpr std::array<T, N> PowersOfTen() {
  std::array<T, N> powers{};
  T power = 1;
  for (std::size_t i = 0; i < N; ++i) {
    powers[i] = power;
    power *= 10;
  }
  return powers;
}

// 10^0 .. 10^19; 10^19 still fits 64 bits.
inline constexpr auto kPow10U64 = PowersOfTen<std::uint64_t, 20>();

// 10^0 .. 10^38; 10^38 < 2^127.
inline constexpr auto kPow10U128 = PowersOfTen<UInt128, 39>();

}  // namespace gb::detail
