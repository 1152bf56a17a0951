#include "platform/LocaleSeparators.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>

#include "text/NumberSeparators.h"

namespace gb {

namespace {

constexpr char16_t kDefaultDecimalSeparator = u'.';
constexpr char16_t kDefaultThousandSeparator = u',';

// The symbol's only character, or nothing when it is empty, longer than one character, not
// decodable in the locale's character set, or outside the 16-bit range.
std::optional<char16_t> SingleCharacter(const char* symbol, locale_t locale) {
  const locale_t previous = uselocale(locale);
  std::mbstate_t state{};
  wchar_t character = 0;
  const std::size_t length = std::strlen(symbol);
  const std::size_t used = std::mbrtowc(&character, symbol, length, &state);
  uselocale(previous);
  const bool single = used != 0 && used == length;  // also rejects (size_t)-1 and -2
  if (!single || character > 0xFFFF) return std::nullopt;
  return static_cast<char16_t>(character);
}

// LC_NUMERIC of the user's settings, with the LC_CTYPE of that same locale so that its symbols
// decode in the character set they are written in (a bare LC_NUMERIC_MASK locale would decode
// them as ASCII).
locale_t NewNumericLocale() {
#if !defined(__GLIBC__)
  // musl (WebAssembly's C library) has no locale data: it takes any name and gives C's
  // conventions. A name other than C's is then one whose files are missing, as glibc sees it.
  std::string_view chosen = "C";
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') {
      chosen = value;
      break;
    }
  }
  if (chosen != "C" && chosen != "POSIX" && chosen.substr(0, 2) != "C.") return nullptr;
#endif
  const locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (numeric == nullptr) return nullptr;
  // Copied: the name lives inside `numeric`, which newlocale may rework.
  const std::string name = nl_langinfo_l(_NL_LOCALE_NAME(LC_NUMERIC), numeric);
  const locale_t withCharset = newlocale(LC_CTYPE_MASK, name.c_str(), numeric);
  return withCharset != nullptr ? withCharset : numeric;
}

}  // namespace

void RefreshNumberSeparators() {
  const locale_t locale = NewNumericLocale();
  if (locale == nullptr) {
    DecimalSeparator = kDefaultDecimalSeparator;
    ThousandSeparator = kDefaultThousandSeparator;
    return;
  }
  const char* radix = nl_langinfo_l(RADIXCHAR, locale);
  const char* grouping = nl_langinfo_l(THOUSEP, locale);
  DecimalSeparator = SingleCharacter(radix, locale).value_or(kDefaultDecimalSeparator);
  ThousandSeparator = *grouping == '\0'
                          ? u'\0'
                          : SingleCharacter(grouping, locale).value_or(kDefaultThousandSeparator);
  freelocale(locale);
}

}  // namespace gb
