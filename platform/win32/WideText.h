// UTF-8, the core's text, to and from UTF-16, the Windows API's.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// Bytes that are not UTF-8 become U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

// The system's text for a Windows error code in the user's language, as the tail of a
// sentence: no trailing blanks, line breaks or full stops (。 included).
std::string WindowsErrorText(unsigned long error);

}  // namespace gb
