// The code page a report is written in when the user names none.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// The character set of the user's locale (LC_ALL > LC_CTYPE > LANG), read without touching the
// process locale. A locale that cannot be loaded and the plain C/POSIX locale give "UTF-8".
std::string SystemCodePage();

// The code page to write for a locale character set name: 7-bit ASCII, which every C/POSIX
// locale reports, is widened to UTF-8 so that the report's Chinese texts survive.
std::string CodePageForCodeset(std::string_view codeset);

}  // namespace gb
