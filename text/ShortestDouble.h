// A double as the shortest decimal text that reads back as the same double: the text C++'s
// std::to_chars gives, written here so that every processor and C++ library gives the same bytes
// (WebAssembly's library has no to_chars for floating-point numbers).
#pragma once

#include <string>

namespace gb {

// Finite values only. Of the shortest digit strings the nearest to the value; written plain
// ("0.035", "120") or in scientific form ("1e+22", "5e-324"), whichever is shorter, plain on a
// tie.
std::string ShortestDouble(double value);

}  // namespace gb
