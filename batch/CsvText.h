// Writing one field of a comma-separated record.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// Appends `field`, quoted (with each '"' doubled) only where it holds a '"', a ',', CR or LF.
inline void AppendCsvField(std::string& out, std::string_view field) {
  // One pass over the usually short field instead of a search per special character.
  bool plain = true;
  for (const char c : field) plain &= c != '"' && c != ',' && c != '\r' && c != '\n';
  if (plain) {
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
