#include "report/ParsePeriodText.h"

#include <string>

#include "text/Errors.h"
#include "text/ParseDecimalText.h"
#include "text/Trim.h"

namespace gb {

double ParsePeriodText(std::string_view text) {
  const double period = ParseDecimalText(text);
  if (period < 0) {
    std::string message = "Period must not be negative: '";
    message.append(TrimBlanks(text)).append("'.");
    throw EConvertError(std::move(message));
  }
  return period;
}

}  // namespace gb
