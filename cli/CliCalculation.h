// The Calculate command for the command line.
#pragma once

#include "cli/CommandLine.h"
#include "engine/ParameterSet.h"

namespace gb {

// Runs the window's calculation steps in the window's order, each text parsed straight into its
// field, so the first rejected text (EConvertError, EOverflow) or arithmetic fault stops the run
// with the same error the window would show. Numbers are read with the separators in force.
ParameterSet CalculateParameters(const CliOptions& options);

}  // namespace gb
