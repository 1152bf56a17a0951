// Extended numbers written as C's hexadecimal floating literals ("0xf.e01ad8082778d3cp-12"), for
// tables copied from references in the x87 format: exact on every processor, whatever its long
// double is. The digits must fit 64 bits.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "extended/Extended.h"

namespace gb::test {

inline Extended HexExtended(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.substr(0, 2) != "0x") std::abort();
  text.remove_prefix(2);
  std::uint64_t significand = 0;
  int exponent = 0;
  bool fraction = false;
  std::size_t i = 0;
  for (; i < text.size() && text[i] != 'p'; ++i) {
    if (text[i] == '.') {
      fraction = true;
      continue;
    }
    const char c = text[i];
    const int digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
    if (significand >> 60 != 0) std::abort();  // more than 64 bits
    significand = significand * 16 + static_cast<std::uint64_t>(digit);
    if (fraction) exponent -= 4;
  }
  if (i < text.size()) exponent += std::stoi(std::string(text.substr(i + 1)));
  const Extended magnitude =
      significand == 0 ? Extended() : Extended::FromUnsigned(significand).Scaled(exponent);
  return negative ? -magnitude : magnitude;
}

}  // namespace gb::test
