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

}  // namespace gb::detail
