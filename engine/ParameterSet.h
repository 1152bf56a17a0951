// The ground-motion parameter set of one place and the numeric steps of the Calculate command.
// The steps that read input texts live with their callers (window, command line), which parse
// each text straight into its field, so a rejected text leaves that field and everything after
// it untouched while the earlier steps stay done.
#pragma once

#include <cstdint>

#include "engine/ZoningTables.h"
#include "extended/Extended.h"

namespace gb {

struct ParameterSet {
  std::int32_t FPgaZoneIndex = 0;                  // position in the basic-PGA list
  std::int32_t FTgZoneIndex = 0;                   // position in the period-zone list
  double FBasicPga = 0;                            // alpha, site class II, g
  double FK1 = 0;                                  // very rare scale factor
  double FK2 = 0;                                  // rare scale factor
  double FK3 = 0;                                  // frequent scale factor
  double FRareTgIncrement = 0;                     // s
  double FVeryRareTgIncrement = 0;                 // s
  double FBetaMax = 0;                             // platform of the amplification-factor spectrum
  double FPga[kLevelCount][kSiteClassCount] = {};  // g, [level][site class]
  double FTg[kLevelCount][kSiteClassCount] = {};   // s, [level][site class]
};

// Site-class-II accelerations of the four levels from alpha and the scale factors.
void StoreSiteIIPeakAccelerations(ParameterSet& p);

// Every site class adjusted from its own level's site-class-II value, class by class.
void AdjustSiteClasses(ParameterSet& p);

// Characteristic periods from the zone's table row plus the rare / very rare increments.
void FillCharacteristicPeriods(ParameterSet& p);

// betaMax x PGA, kept in extended precision: the platform grid formats it without rounding it
// to a double first.
Extended PlatformValue(const ParameterSet& p, int level, int siteClass);

}  // namespace gb
