// Separators are UTF-16 code units but every text here is UTF-8.
#pragma once

#include <cstddef>

namespace gb::detail {

struct Utf8Unit {
  char bytes[3];
  std::size_t size;
};

// A lone surrogate gets its three-byte form too, so a separator always round-trips.
constexpr Utf8Unit EncodeUtf8(char16_t unit) {
  if (unit < 0x80) return {{static_cast<char>(unit), 0, 0}, 1};
  if (unit < 0x800)
    return {{static_cast<char>(0xC0 | (unit >> 6)), static_cast<char>(0x80 | (unit & 0x3F)), 0}, 2};
  return {{static_cast<char>(0xE0 | (unit >> 12)), static_cast<char>(0x80 | ((unit >> 6) & 0x3F)),
           static_cast<char>(0x80 | (unit & 0x3F))},
          3};
}

}  // namespace gb::detail
