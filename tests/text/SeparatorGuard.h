// Tests that change the process-wide separators put them back, whatever the outcome.
#pragma once

#include "text/NumberSeparators.h"

namespace gb::testing {

class SeparatorGuard {
 public:
  SeparatorGuard() = default;
  SeparatorGuard(char16_t decimal, char16_t thousand) {
    DecimalSeparator = decimal;
    ThousandSeparator = thousand;
  }
  SeparatorGuard(const SeparatorGuard&) = delete;
  SeparatorGuard& operator=(const SeparatorGuard&) = delete;
  ~SeparatorGuard() {
    DecimalSeparator = decimal_;
    ThousandSeparator = thousand_;
  }

 private:
  char16_t decimal_ = DecimalSeparator;
  char16_t thousand_ = ThousandSeparator;
};

}  // namespace gb::testing
