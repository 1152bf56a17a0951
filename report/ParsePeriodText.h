// A structure's period typed as text.
#pragma once

#include <string_view>

namespace gb {

// The program's number rule (ParseDecimalText, with its messages), and then no negative period:
// the spectrum has no branch there. "-0" is zero, not negative. A negative value raises
// EConvertError "Period must not be negative: '<trimmed text>'." (the full stop is part of the
// message, so the error box adds none). Either error's context names the input: "period".
double ParsePeriodText(std::string_view text);

}  // namespace gb
