// Texts the system hands over in its own character set, made UTF-8 for messages.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// The system's text for `error` in the user's language (the locale of LC_ALL > LC_MESSAGES >
// LANG), decoded from that locale's character set and cut as the tail of a sentence: no
// trailing blanks, line breaks or full stops. Works whether or not the process locale was set.
std::string SystemErrorText(int error);

// `text` without trailing blanks, tabs, line breaks and ASCII full stops.
std::string TrimSentenceEnd(std::string text);

// File names are bytes; the window's toolkit makes them UTF-8, while names typed on a command
// line come in the locale's character set. Messages show them decoded from this code page,
// UTF-8 unless set.
void SetFileNameCodePage(std::string codePage);
std::string FileNameText(std::string_view name);

}  // namespace gb
