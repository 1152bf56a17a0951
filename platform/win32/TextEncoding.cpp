#include "platform/TextEncoding.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/win32/WideText.h"
#include "text/Utf8.h"

namespace gb {

namespace {

constexpr UINT kNoCodePage = 0;
constexpr UINT kUtf16Le = 1200, kUtf16Be = 1201, kUtf32Le = 12000, kUtf32Be = 12001;

bool IsUnicodeForm(UINT codePage) {
  return codePage == kUtf16Le || codePage == kUtf16Be || codePage == kUtf32Le ||
         codePage == kUtf32Be;
}

// The names Linux's converter takes, as Windows code pages (compared without case).
struct CodePageName {
  const char* name;
  UINT codePage;
};
constexpr CodePageName kNames[] = {
    {"UTF-8", CP_UTF8},     {"UTF8", CP_UTF8},      {"GBK", 936},           {"CP936", 936},
    {"MS936", 936},         {"WINDOWS-936", 936},   {"GB2312", 936},        {"EUC-CN", 936},
    {"GB18030", 54936},     {"BIG5", 950},          {"CP950", 950},         {"SHIFT_JIS", 932},
    {"SJIS", 932},          {"CP932", 932},         {"EUC-KR", 949},        {"CP949", 949},
    {"ISO-8859-1", 28591},  {"ISO8859-1", 28591},   {"LATIN1", 28591},      {"US-ASCII", 20127},
    {"ASCII", 20127},       {"UTF-16LE", kUtf16Le}, {"UTF-16", kUtf16Le},   {"UTF-16BE", kUtf16Be},
    {"UCS-2", kUtf16Le},    {"UTF-32", kUtf32Le},   {"UTF-32LE", kUtf32Le}, {"UTF-32BE", kUtf32Be},
    {"ISO-2022-JP", 50220}, {"EUC-JP", 20932},      {"IBM037", 37},         {"CP037", 37},
};

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

// kNoCodePage for a name with no Windows code page.
UINT CodePageOf(std::string_view name) {
  const std::string upper = Upper(name);
  // A code page this Windows lacks (Wine has no GB18030 nor ISO-2022-JP) is unknown here.
  for (const CodePageName& known : kNames) {
    if (upper != known.name) continue;
    return IsUnicodeForm(known.codePage) || IsValidCodePage(known.codePage) ? known.codePage
                                                                            : kNoCodePage;
  }
  // "CP1252", "WINDOWS-1252": any code page Windows has by its number.
  for (const std::string_view prefix : {std::string_view("CP"), std::string_view("WINDOWS-")}) {
    if (!upper.starts_with(prefix) || upper.size() == prefix.size()) continue;
    char* end = nullptr;
    const unsigned long number = std::strtoul(upper.c_str() + prefix.size(), &end, 10);
    if (*end == '\0' && number > 0 && number < 65536 && IsValidCodePage(number)) return number;
  }
  return kNoCodePage;
}

// UTF-16 or UTF-32 in the byte order asked for; Windows' converters take only single- and
// multi-byte code pages.
std::string UnicodeBytes(std::wstring_view wide, UINT codePage) {
  const bool wideUnits = codePage == kUtf32Le || codePage == kUtf32Be;
  const bool bigEndian = codePage == kUtf16Be || codePage == kUtf32Be;
  std::u32string units;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t c = static_cast<char16_t>(wide[i]);
    if (wideUnits && c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(wide[++i]) - 0xDC00);
    }
    units.push_back(c);
  }
  const int size = wideUnits ? 4 : 2;
  std::string bytes;
  for (const char32_t unit : units) {
    for (int b = 0; b < size; ++b) {
      const int shift = 8 * (bigEndian ? size - 1 - b : b);
      bytes += static_cast<char>((unit >> shift) & 0xFF);
    }
  }
  return bytes;
}

// Code pages that take no flags and report no replaced characters: what was lost shows only
// when the bytes are read back.
bool TakesNoFlags(UINT codePage) {
  return codePage == 42 || (codePage >= 50220 && codePage <= 50229) || codePage == 54936 ||
         (codePage >= 57002 && codePage <= 57011) || codePage == CP_UTF8;
}

// The whole text in the code page, or nothing when a character had to be replaced.
std::optional<std::string> EncodeWhole(std::wstring_view wide, UINT codePage) {
  if (wide.empty()) return std::string();
  if (IsUnicodeForm(codePage)) return UnicodeBytes(wide, codePage);
  const int size = static_cast<int>(wide.size());
  const bool plain = TakesNoFlags(codePage);
  BOOL replaced = FALSE;
  // The flag keeps Windows from swapping an unmappable character for a look-alike.
  const DWORD flags = plain ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* fallback = plain ? nullptr : "?";
  BOOL* track = plain ? nullptr : &replaced;
  const int length =
      WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, fallback, track);
  if (length == 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), length, fallback, track);
  if (replaced) return std::nullopt;
  if (plain && codePage != CP_UTF8) {
    const int back = MultiByteToWideChar(codePage, 0, out.data(), length, nullptr, 0);
    std::wstring again(static_cast<std::size_t>(back), L'\0');
    MultiByteToWideChar(codePage, 0, out.data(), length, again.data(), back);
    if (again != wide) return std::nullopt;
  }
  return out;
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Whether every ASCII character comes out of the code page as its own single byte; looked up
// once per code page and thread.
bool KeepsAscii(UINT codePage) {
  thread_local std::vector<std::pair<UINT, bool>> known;
  for (const auto& [page, keeps] : known) {
    if (page == codePage) return keeps;
  }
  std::wstring ascii;
  for (wchar_t c = 1; c < 0x80; ++c) ascii += c;
  std::string expected;
  for (const wchar_t c : ascii) expected += static_cast<char>(c);
  const std::optional<std::string> encoded = EncodeWhole(ascii, codePage);
  const bool keeps = encoded && *encoded == expected;
  known.emplace_back(codePage, keeps);
  return keeps;
}

}  // namespace

TextEncoder::TextEncoder(std::string_view codePage) : converter_(CodePageOf(codePage)) {
  if (converter_ == kNoCodePage) throw EUnknownCodePage(codePage);
}

std::string TextEncoder::Encode(std::string_view utf8, bool* lost) const {
  const auto codePage = static_cast<UINT>(converter_);
  // Most of a batch's cells are numbers: ASCII goes through as it is where the code page keeps it.
  if (IsAscii(utf8) && KeepsAscii(codePage)) return std::string(utf8);
  if (IsValidUtf8(utf8)) {
    if (codePage == CP_UTF8) return std::string(utf8);
    if (std::optional<std::string> whole = EncodeWhole(WideFromUtf8(utf8), codePage)) {
      return *whole;
    }
  }
  // A character at a time: exactly one "?" for each that is not UTF-8 or has no place in the
  // code page.
  std::string out;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::string_view rest = utf8.substr(at);
    const std::size_t length = DecodeUtf8(rest).length;
    std::optional<std::string> piece;
    if (length > 0) piece = EncodeWhole(WideFromUtf8(rest.substr(0, length)), codePage);
    if (!piece) {
      if (lost != nullptr) *lost = true;
      piece = EncodeWhole(L"?", codePage);
    }
    out += *piece;
    at += length > 0 ? length : BrokenUtf8Length(rest);
  }
  return out;
}

std::string EncodeText(std::string_view utf8, std::string_view codePage) {
  return TextEncoder(codePage).Encode(utf8);
}

namespace {

std::optional<std::wstring> WideStrictly(std::string_view bytes, UINT codePage) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
  // GBK's user-defined areas hold no characters: Windows gives them private-use code points,
  // Linux's converter refuses them, and so does this one.
  if (codePage == 936) {
    for (const wchar_t c : wide) {
      if (c >= 0xE000 && c <= 0xF8FF) return std::nullopt;
    }
  }
  return wide;
}

// The UTF-8 form of `bytes`; a byte that starts no character of the code page, or a character
// cut off at the end, becomes one "?" (the rest still comes through), or, `strict`, nothing.
std::optional<std::string> Decode(std::string_view bytes, std::string_view name, bool strict) {
  const UINT codePage = CodePageOf(name);
  if (codePage == kNoCodePage) throw EUnknownCodePage(name);
  if (codePage == CP_UTF8) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    if (strict) return std::nullopt;
  } else if (!IsUnicodeForm(codePage)) {
    if (const std::optional<std::wstring> wide = WideStrictly(bytes, codePage)) {
      return Utf8FromWide(*wide);
    }
    if (strict) return std::nullopt;
  } else {
    return std::nullopt;  // never read: UTF-16 input is refused by its byte-order mark
  }
  std::string out;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::string_view rest = bytes.substr(at);
    std::size_t length = 1;
    if (codePage == CP_UTF8) {
      length = std::max<std::size_t>(1, DecodeUtf8(rest).length);
    } else if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(rest[0])) && rest.size() >= 2) {
      length = 2;
    }
    if (const std::optional<std::wstring> wide = WideStrictly(rest.substr(0, length), codePage);
        wide && (codePage != CP_UTF8 || DecodeUtf8(rest).length > 0)) {
      out += Utf8FromWide(*wide);
      at += length;
    } else {
      out += '?';
      at += 1;
    }
  }
  return out;
}

}  // namespace

std::string DecodeText(std::string_view bytes, std::string_view codePage) {
  return *Decode(bytes, codePage, false);
}

std::optional<std::string> DecodeTextStrictly(std::string_view bytes, std::string_view codePage) {
  return Decode(bytes, codePage, true);
}

bool IsKnownCodePage(std::string_view codePage) { return CodePageOf(codePage) != kNoCodePage; }

}  // namespace gb
