#include "text/EchoedText.h"

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

}  // namespace gb
