// Writing texts and numbers as JSON.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// Appends `text` as a JSON string. `text` is UTF-8; each byte that does not belong to a
// well-formed UTF-8 character is written as U+FFFD, so the output is always valid JSON text.
void AppendJsonString(std::string& out, std::string_view text);

// Appends `value` in the shortest form that reads back as the same double; a non-finite
// value, which JSON cannot hold, as null.
void AppendJsonNumber(std::string& out, double value);

}  // namespace gb
