#include "platform/SystemCodePage.h"
#include "platform/TextEncoding.h"

namespace gb {

namespace {

constexpr std::string_view kAsciiCodesets[] = {"ANSI_X3.4-1968", "ASCII", "US-ASCII"};

}  // namespace

std::string CodePageForCodeset(std::string_view codeset) {
  if (codeset.empty()) return "UTF-8";
  for (const std::string_view ascii : kAsciiCodesets) {
    if (codeset == ascii) return "UTF-8";
  }
  return std::string(codeset);
}

std::string CanonicalCodePageName(std::string_view codePage) {
  std::string upper(codePage);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper == "UTF-8" || upper == "UTF8" ? std::string("UTF-8") : std::string(codePage);
}

bool IsAsciiCompatible(std::string_view codePage) {
  // The report's structure: line ends, field separators and the number texts.
  constexpr std::string_view kStructure = "\r\n0123456789,.";
  return IsKnownCodePage(codePage) && EncodeText(kStructure, codePage) == kStructure;
}

}  // namespace gb
