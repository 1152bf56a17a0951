#include "batch/JsonText.h"

#include <charconv>
#include <cmath>

namespace gb {

namespace {

// The length of the well-formed UTF-8 character at the start of `text`, or 0.
std::size_t Utf8CharLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length;
  unsigned char low = 0x80, high = 0xBF;  // bounds of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  while (!text.empty()) {
    const unsigned char c = static_cast<unsigned char>(text.front());
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      out.append("\\u00").append(1, kHex[c >> 4]).append(1, kHex[c & 0xF]);
    } else if (c >= 0x80) {
      const std::size_t length = Utf8CharLength(text);
      if (length == 0) {
        out.append("\xEF\xBF\xBD");
        text.remove_prefix(1);
      } else {
        out.append(text.substr(0, length));
        text.remove_prefix(length);
      }
      continue;
    } else {
      out += static_cast<char>(c);
    }
    text.remove_prefix(1);
  }
  out += '"';
}

void AppendJsonNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out.append("null");
    return;
  }
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

}  // namespace gb
