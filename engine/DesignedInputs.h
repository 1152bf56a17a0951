// The eight inputs as texts, and the ones the window starts with, which the command line also
// takes as its defaults.
#pragma once

namespace gb {

struct InputTexts {
  int pgaZoneIndex;  // position in the basic-PGA list
  int tgZoneIndex;   // position in the period-zone list
  const char* k1;
  const char* k2;
  const char* k3;
  const char* rareTgIncrement;
  const char* veryRareTgIncrement;
  const char* betaMax;
};

inline constexpr InputTexts kDesignedInputs = {0, 0, "2.9", "1.9", "0.3333", "0.05", "0.05", "2.5"};

}  // namespace gb
