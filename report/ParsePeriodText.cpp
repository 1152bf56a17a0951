#include "report/ParsePeriodText.h"

#include <string>

#include "text/Errors.h"
#include "text/ParseDecimalText.h"

namespace gb {

namespace {

// As the number rule trims: every code unit up to U+0020 at either end, so the message quotes
// the text the same way the not-a-number message does.
std::string_view Trimmed(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

double ParsePeriodText(std::string_view text) {
  const double period = ParseDecimalText(text);
  if (period < 0) {
    std::string message = "Period must not be negative: '";
    message.append(Trimmed(text)).append("'.");
    throw EConvertError(std::move(message));
  }
  return period;
}

}  // namespace gb
