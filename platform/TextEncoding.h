// Turning the UTF-8 texts of the core into the bytes of a named code page, and back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/Errors.h"
#include "text/Utf8.h"

namespace gb {

// A code page name the system converter does not know.
class EUnknownCodePage : public Exception {
 public:
  explicit EUnknownCodePage(std::string_view name)
      : Exception("Unknown code page \"" + std::string(name) + "\"") {}
};

// A converter from UTF-8 into one code page (any name glibc iconv knows: "GBK", "UTF-8",
// "ISO-8859-1", ...; on Windows those with a Windows code page). Converters are opened once per
// thread and kept, so making one is cheap.
class TextEncoder {
 public:
  // Throws EUnknownCodePage for a name the converter does not know, for an empty name (which
  // iconv would quietly take as the locale's code page) and for names with "//" suffixes
  // (which would change how unmappable characters come out).
  explicit TextEncoder(std::string_view codePage);

  // Every character the code page cannot represent, and every byte sequence that is not UTF-8,
  // becomes one "?" in the code page; `lost`, where given, is set when that happened.
  std::string Encode(std::string_view utf8, bool* lost = nullptr) const;

 private:
  // The system's converter: an iconv_t owned by the per-thread cache on POSIX, the code page's
  // number on Windows.
  std::uintptr_t converter_;
};

// One-shot form of TextEncoder(codePage).Encode(utf8).
std::string EncodeText(std::string_view utf8, std::string_view codePage);

// The UTF-8 form of text in `codePage`, or nothing when the bytes are not text of that code page
// (a byte that starts no character, a character cut off at the end). UTF-8 input is checked
// and returned as it is. Throws EUnknownCodePage like TextEncoder.
std::optional<std::string> DecodeTextStrictly(std::string_view bytes, std::string_view codePage);

// "UTF-8" for the names the converter takes for it in any case ("utf-8", "UTF8", "utf8"); any
// other name as it is. Code that treats UTF-8 specially compares with "UTF-8" after this.
std::string CanonicalCodePageName(std::string_view codePage);

// Whether TextEncoder(codePage) would succeed.
bool IsKnownCodePage(std::string_view codePage);

// Whether the code page writes CR, LF, the digits, "," and "." as the single ASCII bytes, which
// every reader of a comma-separated report relies on (UTF-16 and UTF-32 do not, nor EBCDIC).
bool IsAsciiCompatible(std::string_view codePage);

// The UTF-8 form of text in `codePage` (a system message, a file name). Each byte that is not
// part of a character of the code page becomes one "?". Throws EUnknownCodePage like
// TextEncoder.
std::string DecodeText(std::string_view bytes, std::string_view codePage);

}  // namespace gb
