// Which item of a zonation drop-down list a typed text names.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace gb {

// The list position of the item `text` names, or -1. A text names an item when it is the
// item's text or parses (ParseDecimalText, separators in force) to the same number, so "0.2"
// names "0.20". A text that does not parse names no item.
int ListItemIndex(std::span<const char* const> items, std::string_view text);

// The message for a text that names no item of the list called `listName`:
// "'<text>' is not a choice of <listName>; choose one of <items, comma-separated>".
std::string NotAnItemText(std::string_view listName, std::string_view text,
                          std::span<const char* const> items);

}  // namespace gb
