#include "batch/CellTextMemo.h"

#include <cstdint>
#include <cstring>

#include "text/DecimalFormats.h"

namespace gb {

const std::string& CellTextMemo::Text(Extended value) {
  const std::uint64_t significand = value.Significand();
  const int exponent = (value.Negative() ? 0x8000 : 0) | value.BiasedExponent();
  const std::uint64_t hash =
      (significand ^ (static_cast<std::uint64_t>(exponent) << 48)) * 0x9E3779B97F4A7C15u;
  Entry& entry = entries_[hash >> 52 & (kEntries - 1)];
  if (!entry.used || entry.significand != significand || entry.signExponent != exponent) {
    entry.significand = significand;
    entry.signExponent = exponent;
    entry.used = true;
    entry.text = FormatFourDecimals(value);
  }
  return entry.text;
}

}  // namespace gb
