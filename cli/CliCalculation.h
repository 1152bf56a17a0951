// The Calculate command for the command line.
#pragma once

#include "cli/CommandLine.h"
#include "engine/ParameterSet.h"

namespace gb {

// The options' texts through CalculateFromTexts: the first rejected text stops the run with the
// error the window would show.
ParameterSet CalculateParameters(const CliOptions& options);

}  // namespace gb
