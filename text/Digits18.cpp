#include "text/Digits18.h"

namespace gb::detail {

BinaryFloat DecomposeFinite(Extended x) {
  // A zero biased exponent is a subnormal's: the scale of exponent 1.
  const int biased = x.BiasedExponent();
  constexpr int kFractionBits = 63;
  return {x.Significand(), (biased == 0 ? 1 : biased) - Extended::kBias - kFractionBits};
}

Digits18 RoundToDigits18(BinaryFloat b) {
  Digits18 result;
  if (RoundToDigits18Fast(b, result)) return result;
  return RoundToDigits18Exact(b);
}

}  // namespace gb::detail
