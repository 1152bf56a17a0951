// The eight inputs as texts, and the ones the window starts with, which the command line also
// takes as its defaults.
#pragma once

#include <string_view>

namespace gb {

// Views of texts the caller keeps alive; they need no terminating NUL.
struct InputTexts {
  int pgaZoneIndex;  // position in the basic-PGA list
  int tgZoneIndex;   // position in the period-zone list
  std::string_view k1;
  std::string_view k2;
  std::string_view k3;
  std::string_view rareTgIncrement;
  std::string_view veryRareTgIncrement;
  std::string_view betaMax;
};

inline constexpr InputTexts kDesignedInputs = {0, 0, "2.9", "1.9", "0.3333", "0.05", "0.05", "2.5"};

}  // namespace gb
