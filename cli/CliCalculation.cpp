#include "cli/CliCalculation.h"

#include "text/ParseDecimalText.h"

namespace gb {

ParameterSet CalculateParameters(const CliOptions& options) {
  ParameterSet p;
  p.FPgaZoneIndex = options.pgaIndex;
  p.FTgZoneIndex = options.tgZoneIndex;
  p.FBasicPga = ParseDecimalText(kPgaZoneItems[options.pgaIndex]);
  p.FK1 = ParseDecimalText(options.k1);
  p.FK2 = ParseDecimalText(options.k2);
  p.FK3 = ParseDecimalText(options.k3);
  StoreSiteIIPeakAccelerations(p);
  AdjustSiteClasses(p);
  p.FRareTgIncrement = ParseDecimalText(options.rareTgIncrement);
  p.FVeryRareTgIncrement = ParseDecimalText(options.veryRareTgIncrement);
  FillCharacteristicPeriods(p);
  p.FBetaMax = ParseDecimalText(options.betaMax);
  return p;
}

}  // namespace gb
