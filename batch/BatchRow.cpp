#include "batch/BatchRow.h"

#include <new>
#include <string>

#include "engine/CalculateFromTexts.h"
#include "engine/PlottedCurves.h"
#include "engine/ZoningTables.h"
#include "report/ListItemIndex.h"
#include "report/ParsePeriodText.h"
#include "text/ErrorText.h"
#include "text/Errors.h"

namespace gb {

namespace {

RowOutcome Failed(std::string_view message, std::string context = {}) {
  RowOutcome outcome;
  outcome.error = ErrorBoxText(message);
  outcome.context = std::move(context);
  return outcome;
}

}  // namespace

RowOutcome CalculateRow(const std::string_view (&texts)[kBatchInputCount], int siteClass) {
  const int pga = ListItemIndex(kPgaZoneItems, texts[biPga]);
  if (pga < 0) return Failed(NotAnItemText(kBatchInputNames[biPga], texts[biPga], kPgaZoneItems));
  const int zone = ListItemIndex(kTgZoneItems, texts[biZone]);
  if (zone < 0) {
    return Failed(NotAnItemText(kBatchInputNames[biZone], texts[biZone], kTgZoneItems));
  }
  RowOutcome outcome;
  try {
    outcome.p = CalculateFromTexts({pga, zone, texts[biK1], texts[biK2], texts[biK3],
                                    texts[biRareTgIncrement], texts[biVeryRareTgIncrement],
                                    texts[biBetaMax]});
    CheckPlottedSpectra(outcome.p, siteClass);
  } catch (const Exception& e) {
    return Failed(e.Message(), e.Context());
  }
  outcome.ok = true;
  return outcome;
}

RowOutcome CalculateRow(const std::string_view (&texts)[kBatchInputCount],
                        const RowSpectrum& spectrum) {
  int siteClass = spectrum.siteClass;
  if (!spectrum.site.empty()) {
    siteClass = ListItemIndex(kSiteClassLabels, spectrum.site);
    if (siteClass < 0) return Failed(NotAnItemText("site", spectrum.site, kSiteClassLabels));
  }
  RowOutcome outcome = CalculateRow(texts, siteClass);
  if (!outcome.ok || !spectrum.period) return outcome;
  try {
    outcome.reading = ReadSpectrum(outcome.p, siteClass, ParsePeriodText(*spectrum.period));
  } catch (const Exception& e) {
    return Failed(e.Message(), e.Context());
  }
  return outcome;
}

}  // namespace gb
