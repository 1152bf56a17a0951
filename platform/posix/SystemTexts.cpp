#include "platform/SystemTexts.h"

#include <langinfo.h>
#include <locale.h>
#include <string.h>

#include "platform/SystemCodePage.h"
#include "platform/common/SystemTextDecoding.h"

namespace gb {

std::string SystemErrorText(int error) {
  // The translation comes in the character set of the same locale's LC_CTYPE.
  const locale_t locale = newlocale(LC_CTYPE_MASK | LC_MESSAGES_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) {
    char buffer[256];
    return TrimSentenceEnd(strerror_r(error, buffer, sizeof buffer));
  }
  const std::string text = strerror_l(error, locale);
  const std::string codePage = CodePageForCodeset(nl_langinfo_l(CODESET, locale));
  freelocale(locale);
  return TrimSentenceEnd(DecodeOrKeep(text, codePage));
}

}  // namespace gb
