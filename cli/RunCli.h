// The whole command-line program behind main(), writing to the given streams.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace gb {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a rejected text, a calculation or a file error
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

// Runs the program on the arguments after its name and returns the exit status. Sets the
// number separators to "." and "," for the run, whatever the locale.
int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace gb
