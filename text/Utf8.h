// Every text of the program is UTF-8: the one decoder of its characters, and the encoding of the
// separators, which are UTF-16 code units.
#pragma once

#include <cstddef>
#include <string_view>

namespace gb {

// The character at the start of `text`: its code point and its length in bytes. The length is 0
// where no well-formed character begins there: a stray continuation byte, an overlong form, a
// surrogate, a code point beyond U+10FFFF, a character cut off, or an empty text.
struct Utf8Character {
  char32_t code = 0;
  std::size_t length = 0;
};
Utf8Character DecodeUtf8(std::string_view text);

// The bytes one broken character at the start of a non-empty `text` takes (where DecodeUtf8 finds
// none): its first byte and the continuation bytes after it, up to the length the first byte
// announces; at least 1. One replacement character stands for them all.
std::size_t BrokenUtf8Length(std::string_view text);

// Whether every byte of `text` belongs to a well-formed character.
bool IsValidUtf8(std::string_view text);

}  // namespace gb

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
