#include "report/ListItemIndex.h"

#include "text/Errors.h"
#include "text/ParseDecimalText.h"

namespace gb {

int ListItemIndex(std::span<const char* const> items, std::string_view text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (text == items[i]) return static_cast<int>(i);
  }
  double value;
  try {
    value = ParseDecimalText(text);
  } catch (const Exception&) {
    return -1;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    try {
      if (ParseDecimalText(items[i]) == value) return static_cast<int>(i);
    } catch (const Exception&) {
      // An item unreadable under the separators in force is named by its own text only.
    }
  }
  return -1;
}

std::string NotAnItemText(std::string_view listName, std::string_view text,
                          std::span<const char* const> items) {
  std::string message = "'";
  message.append(text).append("' is not a choice of ").append(listName);
  message.append("; choose one of ");
  for (std::size_t i = 0; i < items.size(); ++i)
    message.append(i == 0 ? "" : ", ").append(items[i]);
  return message;
}

}  // namespace gb
