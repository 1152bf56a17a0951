// The parameter set of the window's first calculation, for tests and benchmarks that need a
// realistic one without a window.
#pragma once

#include "engine/DesignedInputs.h"
#include "engine/ParameterSet.h"
#include "text/ParseDecimalText.h"

namespace gb::test {

// The designed input texts parsed and stepped in the order of the Calculate command. Parsing
// reads the process separators, which tests keep at "." and ",".
inline ParameterSet DesignedParameterSet() {
  const DesignedInputTexts& in = kDesignedInputs;
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

}  // namespace gb::test
