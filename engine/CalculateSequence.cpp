#include "engine/CalculateSequence.h"

#include "engine/ZoningTables.h"
#include "text/Errors.h"
#include "text/ParseDecimalText.h"

namespace gb {

namespace {

// A rejected text says which input it was (as a batch column names it), for the command line
// and the batch; the window's box shows the message alone.
double ParseInput(std::string_view text, const char* input) {
  try {
    return ParseDecimalText(text);
  } catch (Exception& e) {
    e.SetContext(input);
    throw;
  }
}

}  // namespace

void RunCalculate(ParameterSet& p, const InputTexts& in,
                  const std::function<void(CalculateStep)>& finished) {
  const auto done = [&](CalculateStep step) {
    if (finished) finished(step);
  };
  p.FPgaZoneIndex = in.pgaZoneIndex;
  p.FTgZoneIndex = in.tgZoneIndex;
  p.FBasicPga = ParseDecimalText(kPgaZoneItems[in.pgaZoneIndex]);
  p.FK1 = ParseInput(in.k1, "k1");
  p.FK2 = ParseInput(in.k2, "k2");
  p.FK3 = ParseInput(in.k3, "k3");
  StoreSiteIIPeakAccelerations(p);
  AdjustSiteClasses(p);
  done(CalculateStep::PgaGrid);
  p.FRareTgIncrement = ParseInput(in.rareTgIncrement, "rare_tg_increment");
  p.FVeryRareTgIncrement = ParseInput(in.veryRareTgIncrement, "very_rare_tg_increment");
  FillCharacteristicPeriods(p);
  done(CalculateStep::PeriodGrid);
  p.FBetaMax = ParseInput(in.betaMax, "beta_max");
  done(CalculateStep::PlatformGrid);
  done(CalculateStep::Chart);
}

}  // namespace gb
