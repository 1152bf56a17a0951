#include "batch/JsonText.h"

#include <cmath>

#include "text/ShortestDouble.h"
#include "text/Utf8.h"

namespace gb {

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
      const std::size_t length = DecodeUtf8(text).length;
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
  out.append(ShortestDouble(value));
}

}  // namespace gb
