// The number separators of the user's regional settings.
#pragma once

namespace gb {

// Reads both separators from the user's locale (LC_ALL > LC_NUMERIC > LANG): the first character
// of the radix and grouping symbols; "." / "," when a symbol cannot be read or is longer than one
// character; an empty grouping symbol gives u'\0'.
void RefreshNumberSeparators();

}  // namespace gb
