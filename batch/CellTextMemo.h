// Grid texts of values met before, without formatting them again.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "extended/Extended.h"

namespace gb {

// Remembers the FormatFourDecimals texts of the last values seen, a fixed number of them, so
// the many sites of a line that share a value (the table periods, a zone's accelerations) cost
// a look-up instead of an exact decimal expansion. Values are told apart by their bits. Texts
// depend on the decimal separator: a memo lives for one batch, during which it does not change.
class CellTextMemo {
 public:
  const std::string& Text(Extended value);

 private:
  struct Entry {
    std::uint64_t significand = 0;
    int signExponent = 0;
    bool used = false;
    std::string text;
  };
  static constexpr std::size_t kEntries = 4096;  // a power of two
  std::array<Entry, kEntries> entries_;
};

}  // namespace gb
