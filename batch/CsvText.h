// Writing one field of a comma-separated record.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// Appends `field`, quoted (with each '"' doubled) only where it holds a '"', a ',', CR or LF.
inline void AppendCsvField(std::string& out, std::string_view field) {
  if (field.find_first_of("\",\r\n") == std::string_view::npos) {
    out.append(field);
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace gb
