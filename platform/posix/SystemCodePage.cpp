#include "platform/SystemCodePage.h"

#include <langinfo.h>
#include <locale.h>

namespace gb {

std::string SystemCodePage() {
  const locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return "UTF-8";
  std::string codePage = CodePageForCodeset(nl_langinfo_l(CODESET, locale));
  freelocale(locale);
  return codePage;
}

}  // namespace gb
