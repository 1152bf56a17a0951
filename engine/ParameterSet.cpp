#include "engine/ParameterSet.h"

#include <cassert>

#include "engine/ExtendedStore.h"
#include "engine/SiteAdjustment.h"

namespace gb {

void StoreSiteIIPeakAccelerations(ParameterSet& p) {
  const Extended alpha(p.FBasicPga);
  p.FPga[lvFrequent][scII] = StoreDouble(alpha * p.FK3);
  p.FPga[lvBasic][scII] = p.FBasicPga;
  p.FPga[lvRare][scII] = StoreDouble(alpha * p.FK2);
  p.FPga[lvVeryRare][scII] = StoreDouble(alpha * p.FK1);
}

void AdjustSiteClasses(ParameterSet& p) {
  // Class II is rewritten with its own value on the way; the classes before it read the
  // untouched class-II column, the classes after it read the same values.
  for (int s = 0; s < kSiteClassCount; ++s) {
    for (int level = 0; level < kLevelCount; ++level) {
      p.FPga[level][s] = AdjustPeakAcceleration(p.FPga[level][scII], s);
    }
  }
}

void FillCharacteristicPeriods(ParameterSet& p) {
  assert(p.FTgZoneIndex >= 0 && p.FTgZoneIndex < kTgZoneCount);
  const double* row = CharacteristicPeriodTable[p.FTgZoneIndex];
  for (int s = 0; s < kSiteClassCount; ++s) {
    const double t = row[s];
    p.FTg[lvFrequent][s] = t;
    p.FTg[lvBasic][s] = t;
    p.FTg[lvRare][s] = StoreDouble(Extended(t) + p.FRareTgIncrement);
    p.FTg[lvVeryRare][s] = StoreDouble(Extended(t) + p.FVeryRareTgIncrement);
  }
}

Extended PlatformValue(const ParameterSet& p, int level, int siteClass) {
  return Extended(p.FBetaMax) * p.FPga[level][siteClass];
}

}  // namespace gb
