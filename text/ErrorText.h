// How an error message becomes the text of the error box.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// Appends one full stop unless the message is empty or its last character is at or below
// U+002E (control characters, blank, "!" to "."). `message` is UTF-8; any multi-byte last
// character lies above U+002E and so gets the full stop (the ideographic full stop included).
inline std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > 0x2E) text += '.';
  return text;
}

}  // namespace gb
