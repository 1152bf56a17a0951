#include "cli/CliCalculation.h"

#include "engine/CalculateFromTexts.h"
#include "engine/PlottedCurves.h"
#include "platform/TextEncoding.h"

namespace gb {

ParameterSet CalculateParameters(const CliOptions& options) {
  const ParameterSet p =
      CalculateFromTexts({options.pgaIndex, options.tgZoneIndex, options.k1, options.k2, options.k3,
                          options.rareTgIncrement, options.veryRareTgIncrement, options.betaMax});
  CheckPlottedSpectra(p, options.siteClass);
  return p;
}

CliOptions WithUtf8Texts(CliOptions options, std::string_view codePage) {
  // UTF-8 texts stay byte for byte, broken ones included.
  if (codePage == "UTF-8" || !IsKnownCodePage(codePage)) return options;
  for (std::string* text : {&options.k1, &options.k2, &options.k3, &options.rareTgIncrement,
                            &options.veryRareTgIncrement, &options.betaMax}) {
    *text = DecodeText(*text, codePage);
  }
  for (std::string& period : options.periods) period = DecodeText(period, codePage);
  options.project = DecodeText(options.project, codePage);
  options.siteName = DecodeText(options.siteName, codePage);
  return options;
}

}  // namespace gb
