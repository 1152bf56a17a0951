// A user's text as a message repeats it: whole when short, cut with "…" when long, so a message
// about a one-megabyte cell stays one readable line.
#pragma once

#include <string>
#include <string_view>

namespace gb {

// Texts up to this many bytes are echoed whole.
inline constexpr std::size_t kEchoLimit = 64;

// `text` itself up to kEchoLimit bytes; otherwise its beginning, cut before a UTF-8 character
// that would cross the limit, and "…".
std::string EchoedText(std::string_view text);

// `message` with each occurrence of `text` (only when it is longer than kEchoLimit) replaced by
// EchoedText(text).
std::string ShortenEchoes(std::string message, std::string_view text);

// ShortenEchoes for a typed text, also where a message quotes it without its blanks, as the
// number rule does.
std::string ShortenTypedEchoes(std::string message, std::string_view typed);

// `text` (UTF-8) with every control character written out instead: C0 controls and DEL as
// "\x1B", C1 controls as "\u009B". A message on a terminal then never moves its cursor, changes
// its colours or breaks its line, whatever a file name or a typed text holds.
std::string EscapeControls(std::string_view text);

}  // namespace gb
