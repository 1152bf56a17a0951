#include "platform/TextEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

#include "text/Gbk.h"
#include "text/Utf8.h"

namespace gb {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
// GBK is converted by the program's own tables (text/Gbk.h), glibc's conversion on every system:
// musl, WebAssembly's C library, decodes GBK but cannot encode it.
constexpr std::uintptr_t kOwnGbk = 1;
constexpr std::size_t kConversionFailed = static_cast<std::size_t>(-1);

// iconv descriptors are not safe to share between threads, so each thread keeps its own.
// A handful of code pages at most is ever used, so a linear search is the fastest lookup.
// Encoders (UTF-8 into a code page) and decoders (a code page into UTF-8) are kept apart.
class ConverterCache {
 public:
  ConverterCache() = default;
  ConverterCache(const ConverterCache&) = delete;
  ConverterCache& operator=(const ConverterCache&) = delete;
  ~ConverterCache() {
    for (const Entry& entry : entries_) iconv_close(entry.converter);
  }

  iconv_t Find(std::string_view codePage, bool decoder) {
    for (const Entry& entry : entries_) {
      if (entry.codePage == codePage && entry.decoder == decoder) return entry.converter;
    }
    const std::string name(codePage);
    const iconv_t converter =
        decoder ? iconv_open("UTF-8", name.c_str()) : iconv_open(name.c_str(), "UTF-8");
    if (converter != kNoConverter) entries_.push_back({name, decoder, converter});
    return converter;
  }

 private:
  struct Entry {
    std::string codePage;
    bool decoder;
    iconv_t converter;
  };
  std::vector<Entry> entries_;
};

iconv_t FindConverter(std::string_view codePage, bool decoder = false) {
  if (codePage.empty() || codePage.find('/') != std::string_view::npos) return kNoConverter;
  thread_local ConverterCache cache;
  return cache.Find(codePage, decoder);
}

// Appends the conversion of [in, in + inLeft) to out[0, used), growing `out` as needed. Null `in`
// writes the shift sequence that returns a stateful code page to its initial state. Returns 0, or
// the errno (EILSEQ, EINVAL) of the character at `in` that stopped the conversion.
int Convert(iconv_t converter, const char*& in, std::size_t& inLeft, std::string& out,
            std::size_t& used, std::size_t* irreversible = nullptr) {
  for (;;) {
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    char** inPtr = in ? const_cast<char**>(&in) : nullptr;
    const std::size_t result = iconv(converter, inPtr, in ? &inLeft : nullptr, &outPtr, &outLeft);
    const int error = errno;
    used = static_cast<std::size_t>(outPtr - out.data());
    if (result != kConversionFailed) {
      if (irreversible != nullptr) *irreversible = result;
      return 0;
    }
    if (error != E2BIG) return error;
    out.resize(out.size() * 2 + 16);
  }
}

// Length of the UTF-8 character at `text`, or of its valid beginning when it is broken off;
// at least one byte, so that every stopping point makes progress.
std::size_t CharacterLength(const char* text, std::size_t size) {
  const std::string_view rest(text, size);
  const std::size_t whole = DecodeUtf8(rest).length;
  return whole > 0 ? whole : BrokenUtf8Length(rest);
}

// musl's iconv (WebAssembly's C library) writes "*" for a character the code page lacks and
// counts it as irreversible instead of stopping there: each character goes alone, so that the one
// that had no place becomes "?" as glibc's converter has it.
[[maybe_unused]] std::string EncodeEachCharacter(iconv_t converter, std::string_view utf8,
                                                 bool* lost) {
  std::string out(utf8.size() + 16, '\0');
  std::size_t used = 0;
  const auto question = [&] {
    if (lost != nullptr) *lost = true;
    const char* mark = "?";
    std::size_t markLeft = 1;
    Convert(converter, mark, markLeft, out, used);
  };
  while (!utf8.empty()) {
    const Utf8Character c = DecodeUtf8(utf8);
    if (c.length == 0) {
      question();
      utf8.remove_prefix(BrokenUtf8Length(utf8));
      continue;
    }
    const char* in = utf8.data();
    std::size_t inLeft = c.length, irreversible = 0;
    const std::size_t before = used;
    if (Convert(converter, in, inLeft, out, used, &irreversible) != 0 || irreversible != 0) {
      used = before;
      question();
    }
    utf8.remove_prefix(c.length);
  }
  const char* flush = nullptr;
  std::size_t flushLeft = 0;
  Convert(converter, flush, flushLeft, out, used);
  out.resize(used);
  return out;
}

}  // namespace

TextEncoder::TextEncoder(std::string_view codePage)
    : converter_(IsGbkName(codePage) ? kOwnGbk
                                     : reinterpret_cast<std::uintptr_t>(FindConverter(codePage))) {
  if (reinterpret_cast<iconv_t>(converter_) == kNoConverter) throw EUnknownCodePage(codePage);
}

std::string TextEncoder::Encode(std::string_view utf8, bool* lost) const {
  if (converter_ == kOwnGbk) return EncodeGbk(utf8, lost);
  const auto converter = reinterpret_cast<iconv_t>(converter_);
  iconv(converter, nullptr, nullptr, nullptr, nullptr);  // a previous call may have failed mid-way
#if !defined(__GLIBC__)
  return EncodeEachCharacter(converter, utf8, lost);
#endif
  std::string out(utf8.size() + 16, '\0');
  std::size_t used = 0;
  const char* in = utf8.data();
  std::size_t inLeft = utf8.size();
  // Unmappable characters go through the same converter as "?", so stateful code pages stay in
  // step; there is no //TRANSLIT guesswork and exactly one "?" per character.
  while (Convert(converter, in, inLeft, out, used) != 0) {
    if (lost != nullptr) *lost = true;
    const std::size_t skip = CharacterLength(in, inLeft);
    in += skip;
    inLeft -= skip;
    const char* question = "?";
    std::size_t questionLeft = 1;
    Convert(converter, question, questionLeft, out, used);
  }
  const char* flush = nullptr;
  std::size_t flushLeft = 0;
  Convert(converter, flush, flushLeft, out, used);
  out.resize(used);
  return out;
}

std::string EncodeText(std::string_view utf8, std::string_view codePage) {
  return TextEncoder(codePage).Encode(utf8);
}

namespace {

// The UTF-8 form of `bytes`; a byte that starts no character of the code page, or a character
// cut off at the end, becomes one "?" (the rest still comes through), or, `strict`, nothing.
std::optional<std::string> Decode(std::string_view bytes, std::string_view codePage, bool strict) {
  if (IsGbkName(codePage)) return DecodeGbk(bytes, strict);
  const iconv_t converter = FindConverter(codePage, true);
  if (converter == kNoConverter) throw EUnknownCodePage(codePage);
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  std::string out(bytes.size() * 2 + 16, '\0');
  std::size_t used = 0;
  const char* in = bytes.data();
  std::size_t inLeft = bytes.size();
  while (Convert(converter, in, inLeft, out, used) != 0) {
    if (strict) return std::nullopt;
    ++in;
    --inLeft;
    if (used == out.size()) out.resize(out.size() * 2);
    out[used++] = '?';
  }
  out.resize(used);
  return out;
}

}  // namespace

std::string DecodeText(std::string_view bytes, std::string_view codePage) {
  return *Decode(bytes, codePage, false);
}

std::optional<std::string> DecodeTextStrictly(std::string_view bytes, std::string_view codePage) {
  if (codePage == "UTF-8") {
    if (!IsValidUtf8(bytes)) return std::nullopt;
    return std::string(bytes);
  }
  return Decode(bytes, codePage, true);
}

bool IsKnownCodePage(std::string_view codePage) {
  return IsGbkName(codePage) || FindConverter(codePage) != kNoConverter;
}

}  // namespace gb
