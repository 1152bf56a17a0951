// The one rule for blanks around a typed text.
#pragma once

#include <string_view>

namespace gb {

// `text` without the code units up to U+0020 (blank, tab, line breaks, control characters) at
// either end, as the number rule reads it and its messages quote it.
constexpr std::string_view TrimBlanks(std::string_view text) {
  constexpr auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace gb
