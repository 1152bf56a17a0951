#include "platform/LocaleSeparators.h"

#include <windows.h>

#include <optional>

#include "text/NumberSeparators.h"

namespace gb {

namespace {

constexpr char16_t kDefaultDecimalSeparator = u'.';
constexpr char16_t kDefaultThousandSeparator = u',';

// The user's symbol: its only character, u'\0' for an empty one, or nothing when it cannot be
// read or is longer than one character.
std::optional<char16_t> UserSymbol(LCTYPE type) {
  wchar_t symbol[8] = {};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, symbol, 8);
  if (length == 1) return u'\0';  // the terminating null alone
  if (length != 2) return std::nullopt;
  return static_cast<char16_t>(symbol[0]);
}

}  // namespace

void RefreshNumberSeparators() {
  const std::optional<char16_t> decimal = UserSymbol(LOCALE_SDECIMAL);
  DecimalSeparator = decimal && *decimal != u'\0' ? *decimal : kDefaultDecimalSeparator;
  ThousandSeparator = UserSymbol(LOCALE_STHOUSAND).value_or(kDefaultThousandSeparator);
}

}  // namespace gb
