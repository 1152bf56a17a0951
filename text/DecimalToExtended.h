// A decimal number given as its digits and a power of ten, rounded once to the nearest extended
// number: what the C library's strtold gives on x86, on every processor.
#pragma once

#include <cstdint>
#include <string_view>

#include "extended/Extended.h"

namespace gb::detail {

// digits * 10^scale, `digits` a run of '0'..'9' (at most a few dozen, leading zeros allowed),
// rounded to nearest, ties to even, at the subnormal place below the normal range; infinite
// beyond the largest number.
Extended DecimalToExtended(std::string_view digits, std::int64_t scale);

// 10^0 .. 10^27 are exact in the 64-bit significand (5^27 < 2^64).
inline constexpr int kExactPowersOfTen = 28;

// 10^n, n >= 0, correctly rounded: from a table up to 10^27, through DecimalToExtended beyond.
Extended PowerOfTen(int n);

}  // namespace gb::detail
