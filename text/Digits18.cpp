#include "text/Digits18.h"

#include <cstring>
#include <limits>

namespace gb::detail {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the digit rules are written for the x87 80-bit extended format");

BinaryFloat DecomposeFinite(long double x) {
  // Read the bits rather than use frexpl: it is several times faster and keeps subnormals as
  // they are, with the x87 meaning of a zero biased exponent (scale of exponent 1).
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &x, sizeof bytes);
  std::uint64_t significand;
  std::uint16_t signAndExponent;
  std::memcpy(&significand, bytes, sizeof significand);
  std::memcpy(&signAndExponent, bytes + sizeof significand, sizeof signAndExponent);
  const int biased = signAndExponent & 0x7FFF;
  constexpr int kBias = 16383;
  constexpr int kFractionBits = 63;
  return {significand, (biased == 0 ? 1 : biased) - kBias - kFractionBits};
}

Digits18 RoundToDigits18(BinaryFloat b) {
  Digits18 result;
  if (RoundToDigits18Fast(b, result)) return result;
  return RoundToDigits18Exact(b);
}

}  // namespace gb::detail
