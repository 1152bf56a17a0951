// Grid texts of values met before, without formatting them again.
#pragma once

#include <array>
#include <string>

namespace gb {

// Remembers the FormatFourDecimals texts of the last values seen, a fixed number of them, so
// the many sites of a line that share a value (the table periods, a zone's accelerations) cost
// a look-up instead of an exact decimal expansion. Values are told apart by their bits. Texts
// depend on the decimal separator: a memo lives for one batch, during which it does not change.
class CellTextMemo {
 public:
  const std::string& Text(long double value);

 private:
  struct Entry {
    unsigned char bits[10] = {};
    bool used = false;
    std::string text;
  };
  static constexpr std::size_t kEntries = 4096;  // a power of two
  std::array<Entry, kEntries> entries_;
};

}  // namespace gb
