#include "text/EchoedText.h"

#include "text/Trim.h"

namespace gb {

std::string EchoedText(std::string_view text) {
  if (text.size() <= kEchoLimit) return std::string(text);
  std::size_t cut = kEchoLimit;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)).append("…");
}

std::string ShortenEchoes(std::string message, std::string_view text) {
  if (text.size() <= kEchoLimit) return message;
  const std::string shortened = EchoedText(text);
  for (std::size_t at = message.find(text); at != std::string::npos;
       at = message.find(text, at + shortened.size())) {
    message.replace(at, text.size(), shortened);
  }
  return message;
}

std::string ShortenTypedEchoes(std::string message, std::string_view typed) {
  if (typed.size() <= kEchoLimit) return message;
  return ShortenEchoes(ShortenEchoes(std::move(message), typed), TrimBlanks(typed));
}

std::string EscapeControls(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
      out.append("\\x").push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0xF]);
    } else if (byte == 0xC2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      const auto code = static_cast<unsigned char>(text[++i]);
      out.append("\\u00").push_back(kHex[code >> 4]);
      out.push_back(kHex[code & 0xF]);
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

}  // namespace gb
