// The two process-wide separators every number conversion reads at the moment of the call.
#pragma once

namespace gb {

// One UTF-16 code unit each. ThousandSeparator == u'\0' means "write no grouping character".
extern char16_t DecimalSeparator;
extern char16_t ThousandSeparator;

// Reads both separators from the user's locale (LC_ALL > LC_NUMERIC > LANG): the first character
// of the radix and grouping symbols; "." / "," when a symbol cannot be read or is longer than one
// character; an empty grouping symbol gives u'\0'.
void RefreshNumberSeparators();

}  // namespace gb
