// How this system ends the lines of a text file: CR LF on Windows, LF elsewhere.
#pragma once

#include <string_view>

namespace gb {

#if defined(_WIN32)
inline constexpr std::string_view kTextLineEnd = "\r\n";
#else
inline constexpr std::string_view kTextLineEnd = "\n";
#endif

}  // namespace gb
