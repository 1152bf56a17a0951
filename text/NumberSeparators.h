// The two process-wide separators every number conversion reads at the moment of the call; the
// user's settings are read into them by RefreshNumberSeparators (platform/LocaleSeparators.h).
#pragma once

namespace gb {

// One UTF-16 code unit each. ThousandSeparator == u'\0' means "write no grouping character".
extern char16_t DecimalSeparator;
extern char16_t ThousandSeparator;

}  // namespace gb
