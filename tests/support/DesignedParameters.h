// The parameter set of the window's first calculation, for tests and benchmarks that need a
// realistic one without a window.
#pragma once

#include "engine/CalculateFromTexts.h"

namespace gb::test {

// Parsing reads the process separators, which tests keep at "." and ",".
inline ParameterSet DesignedParameterSet() { return CalculateFromTexts(kDesignedInputs); }

}  // namespace gb::test
