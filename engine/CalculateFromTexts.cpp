#include "engine/CalculateFromTexts.h"

#include "engine/CalculateSequence.h"

namespace gb {

ParameterSet CalculateFromTexts(const InputTexts& in) {
  ParameterSet p;
  RunCalculate(p, in);
  return p;
}

}  // namespace gb
