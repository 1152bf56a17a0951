#include "batch/CellTextMemo.h"

#include <cstdint>
#include <cstring>

#include "text/DecimalFormats.h"

namespace gb {

const std::string& CellTextMemo::Text(long double value) {
  // The 80-bit format's 64-bit significand and 16-bit sign and exponent; padding is ignored.
  unsigned char bits[10];
  std::memcpy(bits, &value, sizeof bits);
  std::uint64_t significand;
  std::uint16_t exponent;
  std::memcpy(&significand, bits, sizeof significand);
  std::memcpy(&exponent, bits + 8, sizeof exponent);
  const std::uint64_t hash = (significand ^ (std::uint64_t{exponent} << 48)) * 0x9E3779B97F4A7C15u;
  Entry& entry = entries_[hash >> 52 & (kEntries - 1)];
  if (!entry.used || std::memcmp(entry.bits, bits, sizeof bits) != 0) {
    std::memcpy(entry.bits, bits, sizeof bits);
    entry.used = true;
    entry.text = FormatFourDecimals(value);
  }
  return entry.text;
}

}  // namespace gb
