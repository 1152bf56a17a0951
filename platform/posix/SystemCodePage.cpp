#include "platform/SystemCodePage.h"

#include <langinfo.h>
#include <locale.h>

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

std::string SystemCodePage() {
  const locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return "UTF-8";
  std::string codePage = CodePageForCodeset(nl_langinfo_l(CODESET, locale));
  freelocale(locale);
  return codePage;
}

}  // namespace gb
