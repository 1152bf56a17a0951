#include "cli/CliCalculation.h"

#include "report/CalculateFromTexts.h"

namespace gb {

ParameterSet CalculateParameters(const CliOptions& options) {
  return CalculateFromTexts({options.pgaIndex, options.tgZoneIndex, options.k1.c_str(),
                             options.k2.c_str(), options.k3.c_str(),
                             options.rareTgIncrement.c_str(), options.veryRareTgIncrement.c_str(),
                             options.betaMax.c_str()});
}

}  // namespace gb
