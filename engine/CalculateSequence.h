// The Calculate command: one sequence for the window, the command line, the batch and the tests.
#pragma once

#include <functional>

#include "engine/DesignedInputs.h"
#include "engine/ParameterSet.h"

namespace gb {

// The steps whose results a window shows, in the order they finish.
enum class CalculateStep { PgaGrid, PeriodGrid, PlatformGrid, Chart };

// Runs the calculation steps in the window's order on `p`, each text parsed straight into its
// field with the separators in force, and calls `finished` after each step (the window fills
// that grid, or re-plots its chart at CalculateStep::Chart; a caller without a chart may check
// the spectra there). The first rejected text (EConvertError, EOverflow), arithmetic fault or
// exception of `finished` stops the sequence: the fields and steps before it stay done, those
// from it on untouched.
void RunCalculate(ParameterSet& p, const InputTexts& in,
                  const std::function<void(CalculateStep)>& finished = {});

}  // namespace gb
