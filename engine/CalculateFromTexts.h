// The Calculate command in one piece, for callers without grids to refresh between its steps.
#pragma once

#include "engine/DesignedInputs.h"
#include "engine/ParameterSet.h"

namespace gb {

// Runs the window's calculation steps in the window's order, each text parsed straight into its
// field, so the first rejected text (EConvertError, EOverflow) or arithmetic fault stops the run
// with the same error the window would show. Numbers are read with the separators in force.
ParameterSet CalculateFromTexts(const InputTexts& in);

}  // namespace gb
