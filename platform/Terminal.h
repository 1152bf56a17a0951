// The program's standard streams as the system sees them.
#pragma once

namespace gb {

enum class StandardStream { Input, Output, Error };

// Whether the stream is a terminal, where a person reads.
bool IsTerminal(StandardStream stream);

// 0 while the standard input is open; otherwise the system's error number (a closed one), so
// that a closed input is not taken for an empty one.
int StandardInputError();

}  // namespace gb
