#include "platform/SystemTexts.h"

#include <langinfo.h>
#include <locale.h>
#include <string.h>

#include "platform/SystemCodePage.h"
#include "platform/TextEncoding.h"

namespace gb {

namespace {

std::string& FileNameCodePageSetting() {
  static std::string codePage = "UTF-8";
  return codePage;
}

// Never fails: a code page iconv cannot read leaves the bytes as they are.
std::string Decode(std::string_view bytes, const std::string& codePage) {
  if (codePage == "UTF-8" || !IsKnownCodePage(codePage)) return std::string(bytes);
  return DecodeText(bytes, codePage);
}

}  // namespace

std::string TrimSentenceEnd(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}

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
  return TrimSentenceEnd(Decode(text, codePage));
}

void SetFileNameCodePage(std::string codePage) { FileNameCodePageSetting() = std::move(codePage); }

std::string FileNameText(std::string_view name) { return Decode(name, FileNameCodePageSetting()); }

}  // namespace gb
