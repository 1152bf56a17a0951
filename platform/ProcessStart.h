// What a command-line program sets up as it starts, and its arguments.
#pragma once

#include <string>
#include <vector>

namespace gb {

// Standard output and input carry bytes as they are (no CR added before LF), and a file-size
// limit ends a write with an error instead of the process.
void PrepareCommandLineProcess();

// The arguments after the program's name: as the system passed them on POSIX (the locale's
// bytes), in UTF-8 on Windows, whatever the code page.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// The code page of those arguments: the locale's character set on POSIX, UTF-8 on Windows.
std::string CommandLineCodePage();

}  // namespace gb
