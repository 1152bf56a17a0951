#include "report/ParsePeriodText.h"

#include <string>

#include "text/Errors.h"
#include "text/ParseDecimalText.h"
#include "text/Trim.h"

namespace gb {

double ParsePeriodText(std::string_view text) {
  double period;
  try {
    period = ParseDecimalText(text);
  } catch (Exception& e) {
    e.SetContext("period");
    throw;
  }
  if (period < 0) {
    std::string message = "Period must not be negative: '";
    message.append(TrimBlanks(text)).append("'.");
    EConvertError error(std::move(message));
    error.SetContext("period");
    throw error;
  }
  return period;
}

}  // namespace gb
