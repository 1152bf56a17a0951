#include "report/CalculateFromTexts.h"

#include "text/ParseDecimalText.h"

namespace gb {

ParameterSet CalculateFromTexts(const InputTexts& in) {
  ParameterSet p;
  p.FPgaZoneIndex = in.pgaZoneIndex;
  p.FTgZoneIndex = in.tgZoneIndex;
  p.FBasicPga = ParseDecimalText(kPgaZoneItems[in.pgaZoneIndex]);
  p.FK1 = ParseDecimalText(in.k1);
  p.FK2 = ParseDecimalText(in.k2);
  p.FK3 = ParseDecimalText(in.k3);
  StoreSiteIIPeakAccelerations(p);
  AdjustSiteClasses(p);
  p.FRareTgIncrement = ParseDecimalText(in.rareTgIncrement);
  p.FVeryRareTgIncrement = ParseDecimalText(in.veryRareTgIncrement);
  FillCharacteristicPeriods(p);
  p.FBetaMax = ParseDecimalText(in.betaMax);
  return p;
}

}  // namespace gb
