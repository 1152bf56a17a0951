// The two process-wide separators every number conversion reads at the moment of the call; the
// user's settings are read into them by RefreshNumberSeparators (platform/LocaleSeparators.h).
#pragma once

namespace gb {

// One UTF-16 code unit each. ThousandSeparator == u'\0' means "write no grouping character".
extern char16_t DecimalSeparator;
extern char16_t ThousandSeparator;

// The two as a value, for work that must keep the ones it started with (a batch, during which
// the window lets the user's settings change).
struct NumberSeparators {
  char16_t decimal = u'.';
  char16_t thousand = u',';
  bool operator==(const NumberSeparators&) const = default;
};

// The separators in force now.
inline NumberSeparators CurrentNumberSeparators() { return {DecimalSeparator, ThousandSeparator}; }

// Puts `separators` in force for its lifetime and the former ones back after, so that what
// changes them meanwhile elsewhere (a settings change the window hears of between two rows) is
// neither seen inside nor lost outside.
class SeparatorsInForce {
 public:
  explicit SeparatorsInForce(NumberSeparators separators) {
    DecimalSeparator = separators.decimal;
    ThousandSeparator = separators.thousand;
  }
  SeparatorsInForce(const SeparatorsInForce&) = delete;
  SeparatorsInForce& operator=(const SeparatorsInForce&) = delete;
  ~SeparatorsInForce() {
    DecimalSeparator = former_.decimal;
    ThousandSeparator = former_.thousand;
  }

 private:
  NumberSeparators former_ = CurrentNumberSeparators();
};

}  // namespace gb
