// Shared by the systems' implementations of platform/SystemTexts.h.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// `bytes` decoded from `codePage`; never fails: a code page the converter cannot read leaves the
// bytes as they are.
std::string DecodeOrKeep(std::string_view bytes, const std::string& codePage);

}  // namespace gb
