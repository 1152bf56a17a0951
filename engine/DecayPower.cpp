#include "engine/DecayPower.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/DecayPowerTables.h"
#include "engine/DesignResponse.h"
#include "engine/ExtendedBits.h"

namespace gb {

namespace {

using decay_power::Pair;

// Error-free transformations in long double: the pair's sum is the exact result.
inline Pair TwoSum(long double a, long double b) {
  const long double s = a + b;
  const long double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

inline Pair FastTwoSum(long double a, long double b) {  // |a| >= |b|
  const long double s = a + b;
  return {s, b - (s - a)};
}

// Veltkamp's split into two halves of 32 bits, whose products are exact.
inline Pair Split(long double a) {
  const long double t = 0x1.00000001p32L * a;  // 2^32 + 1
  const long double hi = t - (t - a);
  return {hi, a - hi};
}

inline Pair TwoProduct(long double a, long double b) {
  const long double p = a * b;
  const Pair as = Split(a), bs = Split(b);
  return {p, ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo};
}

// 1/10 down to 1/3, and 1/8! down to 1/3!: the series' tails, whose rounding is far below the
// bound.
constexpr long double kLogCoefficients[8] = {1.0L / 10, 1.0L / 9, 1.0L / 8, 1.0L / 7,
                                             1.0L / 6,  1.0L / 5, 1.0L / 4, 1.0L / 3};
constexpr long double kExpCoefficients[6] = {1.0L / 40320, 1.0L / 5040, 1.0L / 720,
                                             1.0L / 120,   1.0L / 24,   1.0L / 6};

// ln(ratio) as a pair, to about 2^-85 absolute. ratio = m 2^e with m in [1, 2); m = c (1 + r)
// with c from the table nearest m, so |r| < 2^-8 and ln(1 + r) is a short series.
Pair Log(ExtendedBits bits) {
  const auto& entry = decay_power::kLogCentres[(bits.significand >> 56) & 0x7F];
  // m's two halves times the 24-bit centre are exact, and so is the high product minus 1.
  const long double mHi =
      static_cast<long double>(bits.significand & 0xFFFFFFFF00000000u) * 0x1p-63L;
  const long double mLo = static_cast<long double>(bits.significand & 0xFFFFFFFFu) * 0x1p-63L;
  const Pair r = TwoSum(mHi * entry.centre - 1.0L, mLo * entry.centre);

  // ln(1 + r) = r - r^2/2 + r^3 (1/3 - r (1/4 - ...)), the tail below 2^-24 in long double.
  const long double x = r.hi;
  long double tail = kLogCoefficients[0];
  for (int i = 1; i < 8; ++i) tail = kLogCoefficients[i] - x * tail;
  tail *= x * x * x;
  const Pair square = TwoProduct(x, x);
  const Pair s1 = TwoSum(x, -0.5L * square.hi);
  const Pair s2 = TwoSum(s1.hi, tail);
  const long double log1pLo = s1.lo + s2.lo + r.lo - 0.5L * square.lo - x * r.lo;

  const long double e = static_cast<long double>(bits.exponent);
  const Pair t1 = TwoSum(e * decay_power::kLn2Hi, entry.minusLogHi);  // the product is exact
  const Pair t2 = TwoSum(t1.hi, s2.hi);
  const long double lo = t1.lo + t2.lo + (log1pLo + entry.minusLogLo + e * decay_power::kLn2Lo);
  return TwoSum(t2.hi, lo);
}

// exp(z.hi + z.lo) as a pair whose value is 2^k times a pair in [1, 2): z = n ln2/64 + r with
// |r| <= ln2/128, exp(z) = 2^(n div 64) 2^((n mod 64)/64) exp(r).
struct Scaled {
  Pair value;
  int exponent;
};

Scaled Exp(Pair z) {
  const long double n = (z.hi * decay_power::k64ByLn2 + 0x1.8p63L) - 0x1.8p63L;
  // n times the 43-bit high part is exact and lies within a factor 2 of z.hi, so the
  // difference is exact too.
  const Pair r = TwoSum(z.hi - n * decay_power::kLn2By64Hi, z.lo - n * decay_power::kLn2By64Lo);

  // exp(r) - 1 = r + r^2/2 + r^3 (1/6 + r (1/24 + ...)), up to r^8.
  const long double x = r.hi;
  long double tail = kExpCoefficients[0];
  for (int i = 1; i < 6; ++i) tail = kExpCoefficients[i] + x * tail;
  tail *= x * x * x;
  const Pair square = TwoProduct(x, x);
  const Pair s1 = TwoSum(x, 0.5L * square.hi);
  const Pair s2 = TwoSum(s1.hi, tail);
  const long double qLo = s1.lo + s2.lo + r.lo + 0.5L * square.lo + x * r.lo;

  const auto whole = static_cast<std::int64_t>(n);
  const std::int64_t j = whole & 63;  // two's complement: the floor modulo
  const Pair& table = decay_power::kExp2Sixtyfourths[j];
  // table (1 + q) = table.hi + table.hi q.hi + (table.hi q.lo + table.lo (1 + q.hi)).
  const Pair p = TwoProduct(table.hi, s2.hi);
  const Pair s = TwoSum(table.hi, p.hi);
  const long double lo = s.lo + p.lo + (table.hi * qLo + table.lo + table.lo * s2.hi);
  return {FastTwoSum(s.hi, lo), static_cast<int>((whole - j) / 64)};
}

}  // namespace

DecayPowerUnrounded DecayPowerBeforeRounding(long double ratio) {
  const Pair log = Log(PositiveFields(ratio));
  // z = y ln(ratio) with y the double exponent: its product with the high part is exact.
  const long double y = DecayExponent;
  const Pair product = TwoProduct(y, log.hi);
  const Scaled result = Exp({product.hi, product.lo + y * log.lo});
  return {result.value.hi, result.value.lo, result.exponent};
}

bool DecayPowerFast(long double ratio, long double& power) {
  const DecayPowerUnrounded result = DecayPowerBeforeRounding(ratio);

  // Rounding is monotonic: when both ends of the error interval round alike, so does the
  // exact power between them.
  const long double bound = result.hi * kDecayPowerFastError;
  const long double below = result.hi + (result.lo - bound);
  const long double above = result.hi + (result.lo + bound);
  if (below != above) return false;
  power = below * PowerOfTwo(result.exponent);
  return true;
}

long double DecayPower(long double ratio) {
  if (std::isnan(ratio) || ratio < 0) return std::numeric_limits<long double>::quiet_NaN();
  if (ratio == 0 || ratio == 1 || std::isinf(ratio)) return ratio == 0 ? 0.0L : ratio;
  long double power;
  if (DecayPowerFast(ratio, power)) return power;
  return DecayPowerExact(ratio);
}

}  // namespace gb
