#include "report/LostLines.h"

#include "platform/TextEncoding.h"

namespace gb {

std::string LostLines(std::string_view utf8, std::string_view codePage) {
  const TextEncoder encoder(codePage);
  std::string ranges;
  long long line = 0, first = 0, last = 0;
  const auto close = [&] {
    if (first == 0) return;
    if (!ranges.empty()) ranges.append(", ");
    ranges.append(std::to_string(first));
    if (last > first) ranges.append("-").append(std::to_string(last));
    first = 0;
  };
  while (!utf8.empty()) {
    const std::size_t end = utf8.find('\n');
    const std::string_view text = utf8.substr(0, end);
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
    ++line;
    bool lost = false;
    encoder.Encode(text, &lost);
    if (!lost) continue;
    if (first != 0 && last == line - 1) {
      last = line;
    } else {
      close();
      first = last = line;
    }
  }
  close();
  return ranges;
}

std::string EncodeNamingLostLines(std::string_view utf8, std::string_view codePage,
                                  std::string& lostLines) {
  bool lost = false;
  std::string bytes = TextEncoder(codePage).Encode(utf8, &lost);
  lostLines = lost ? LostLines(utf8, codePage) : std::string();
  return bytes;
}

std::string LostLinesMessage(std::string_view what, std::string_view codePage,
                             std::string_view lines) {
  std::string message(what);
  message.append(": characters ").append(codePage);
  message.append(" cannot represent were written as \"?\" in ");
  message.append(lines.find_first_of(",-") == std::string_view::npos ? "line " : "lines ");
  return message.append(lines);
}

}  // namespace gb
