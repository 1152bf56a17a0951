#include "cli/DisplayWidth.h"

#include <algorithm>
#include <iterator>

#include "text/Utf8.h"

namespace gb {

namespace {

struct CodeRange {
  char32_t first;
  char32_t last;
};

// East Asian Width W and F blocks, sorted.
constexpr CodeRange kWideRanges[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

bool IsWide(char32_t code) {
  const auto range = std::upper_bound(std::begin(kWideRanges), std::end(kWideRanges), code,
                                      [](char32_t c, const CodeRange& r) { return c < r.first; });
  return range != std::begin(kWideRanges) && code <= std::prev(range)->last;
}

// Decodes the character at the front of `text` and drops it; a broken one (a stray byte, or a
// character cut off with the continuation bytes it has) comes out as its first byte, one column,
// as a terminal shows one replacement character for it.
char32_t TakeCharacter(std::string_view& text) {
  if (const Utf8Character c = DecodeUtf8(text); c.length > 0) {
    text.remove_prefix(c.length);
    return c.code;
  }
  const char32_t lead = static_cast<unsigned char>(text[0]);
  text.remove_prefix(BrokenUtf8Length(text));
  return lead;
}

}  // namespace

int DisplayWidth(std::string_view utf8) {
  int width = 0;
  while (!utf8.empty()) width += IsWide(TakeCharacter(utf8)) ? 2 : 1;
  return width;
}

}  // namespace gb
