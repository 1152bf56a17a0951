#include "form/CalculateSequence.h"

#include "engine/ExtendedPrecision.h"
#include "engine/ZoningTables.h"
#include "text/ParseDecimalText.h"

namespace gb {

void RunCalculate(ParameterSet& p, const InputTexts& in,
                  const std::function<void(CalculateStep)>& finished) {
  UseExtendedPrecision();
  const auto done = [&](CalculateStep step) {
    if (finished) finished(step);
  };
  p.FPgaZoneIndex = in.pgaZoneIndex;
  p.FTgZoneIndex = in.tgZoneIndex;
  p.FBasicPga = ParseDecimalText(kPgaZoneItems[in.pgaZoneIndex]);
  p.FK1 = ParseDecimalText(in.k1);
  p.FK2 = ParseDecimalText(in.k2);
  p.FK3 = ParseDecimalText(in.k3);
  StoreSiteIIPeakAccelerations(p);
  AdjustSiteClasses(p);
  done(CalculateStep::PgaGrid);
  p.FRareTgIncrement = ParseDecimalText(in.rareTgIncrement);
  p.FVeryRareTgIncrement = ParseDecimalText(in.veryRareTgIncrement);
  FillCharacteristicPeriods(p);
  done(CalculateStep::PeriodGrid);
  p.FBetaMax = ParseDecimalText(in.betaMax);
  done(CalculateStep::PlatformGrid);
  done(CalculateStep::Chart);
}

}  // namespace gb
