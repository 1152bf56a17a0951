// Who made the program: one place for every text that names the author.
#pragma once

namespace gb {

// Bare host name without a scheme, as shown in the status bar and opened by the web links.
inline constexpr const char* AuthorWebAddress = "www.example.org";
inline constexpr const char* AuthorName = "Varnelo";
// The About box's contact lines. Reserved example names and an obviously made-up number: they
// must never reach a real person or organisation.
inline constexpr const char* AuthorAffiliation = "Example Institute of Engineering Seismology";
inline constexpr const char* AuthorEmail = "varnelo@example.org";
inline constexpr const char* AuthorMessengerNumber = "10000000";

}  // namespace gb
