// Text-to-number rule for every input the user types or picks.
#pragma once

#include <string_view>

namespace gb {

// Parses a plain decimal text (optional sign, digits, DecimalSeparator, digits, optional
// exponent) after trimming code units <= U+0020 from both ends. `text` is UTF-8.
// Throws EConvertError ("'<trimmed text>' is not a valid floating point value") for a text that
// is not a number or whose magnitude is 2^16384 or more, EOverflow for one that rounds beyond
// the largest double.
double ParseDecimalText(std::string_view text);

}  // namespace gb
