// Which lines of a text a code page could not hold, for the message that says so.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// The lines of `utf8` (counted from 1, split at LF) that hold a character `codePage` cannot
// represent, as ranges: "1-4, 6, 9-12"; empty when the code page holds every character.
std::string LostLines(std::string_view utf8, std::string_view codePage);

// `utf8` in `codePage`, characters it cannot hold as "?"; `lostLines` is set to their lines
// (LostLines), or emptied when there are none.
std::string EncodeNamingLostLines(std::string_view utf8, std::string_view codePage,
                                  std::string& lostLines);

// The command line's message for a text written with "?" in those lines:
// `<what>: characters <codePage> cannot represent were written as "?" in lines <lines>`.
std::string LostLinesMessage(std::string_view what, std::string_view codePage,
                             std::string_view lines);

}  // namespace gb
