// The program's standard streams as the system sees them.
#pragma once

#include <filesystem>
#include <string>

namespace gb {

enum class StandardStream { Input, Output, Error };

// Whether the stream is a terminal, where a person reads.
bool IsTerminal(StandardStream stream);

// 0 while the standard input can be read; otherwise the system's error number (closed, open for
// writing only, a folder), so that such an input is not taken for an empty one.
int StandardInputError();

// Whether the stream is the file at `path` (redirected into or from it), so that writing both
// would lose one of the two, or reading one while replacing the other would lose the input.
bool IsStandardStreamFile(StandardStream stream, const std::filesystem::path& path);

// Whether the standard input and output are one file (read from and appended to it).
bool StandardStreamsAreOneFile();

// The code page of the bytes the program writes to the stream from now on. A Windows console
// shows them through the system's UTF-16 text output, so they read right whatever the console's
// own code page; elsewhere bytes go out as they are and this does nothing.
void SetStandardStreamCodePage(StandardStream stream, const std::string& codePage);

}  // namespace gb
