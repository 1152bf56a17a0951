#include "engine/DecayPower.h"

#include <cstdint>

#include "engine/DecayPowerTables.h"
#include "engine/DesignResponse.h"
#include "engine/ExtendedBits.h"
#include "engine/Fixed128.h"

namespace gb {

namespace {

using fixed128::Fixed;

// Scales of the fixed-point values: the reduced argument r of a series at 2^128 (|r| < 2^-7),
// the series' coefficients and sums at 2^126 (below 2), the logarithm and its product with the
// exponent at 2^112 (the logarithm of any extended number is below 2^14), the final power at
// 2^124.
constexpr int kQr = 128, kQs = 126, kQz = 112, kQp = 124;

struct LogCentre {
  std::uint64_t centre;  // the centre's 24 significant bits: centre = this * 2^-24
  Fixed minusLog;        // at kQz
};

struct Tables {
  LogCentre logCentres[128];
  Fixed exp2Sixtyfourths[64];  // at kQs
  Fixed ln2, ln2By64;          // at kQp: both pairs' every bit
  Fixed logCoefficients[13];   // 1/(k + 1) at kQs
  Fixed expCoefficients[11];   // 1/k! at kQs
};

// floor(2^126 / d).
constexpr Fixed Reciprocal(std::uint64_t d) {
  const std::uint64_t one = std::uint64_t{1} << 62;  // 2^126's high word
  return {one / d, wide::Divide(one % d, 0, d).quotient};
}

constexpr Fixed FromPair(Extended hi, Extended lo, int q) {
  return fixed128::Add(fixed128::FromExtended(hi, q), fixed128::FromExtended(lo, q));
}

constexpr Tables MakeTables() {
  Tables t{};
  for (int i = 0; i < 128; ++i) {
    const auto& c = decay_power::kLogCentres[i];
    // The centres lie in (1/2, 1) with 24 significant bits, which the exact product below needs.
    if (c.centre.BiasedExponent() != Extended::kBias - 1 || (c.centre.Significand() << 24) != 0)
      throw "a centre outside (1/2, 1) or with more than 24 bits";
    t.logCentres[i] = {c.centre.Significand() >> 40, FromPair(c.minusLogHi, c.minusLogLo, kQz)};
  }
  for (int j = 0; j < 64; ++j) {
    const auto& e = decay_power::kExp2Sixtyfourths[j];
    t.exp2Sixtyfourths[j] = FromPair(e.hi, e.lo, kQs);
  }
  t.ln2 = FromPair(decay_power::kLn2Hi, decay_power::kLn2Lo, kQp);
  t.ln2By64 = FromPair(decay_power::kLn2By64Hi, decay_power::kLn2By64Lo, kQp);
  for (int k = 0; k < 13; ++k) t.logCoefficients[k] = Reciprocal(k + 1);
  std::uint64_t factorial = 1;
  for (int k = 0; k < 11; ++k) {
    if (k > 0) factorial *= k;
    t.expCoefficients[k] = Reciprocal(factorial);
  }
  return t;
}

constexpr Tables kTables = MakeTables();

// The exponent as its 53-bit significand and a power of two: DecayExponent = kExponentInteger *
// 2^-kExponentShift. (The builtin, because emscripten's library has no std::bit_cast yet.)
constexpr std::uint64_t kExponentBits = __builtin_bit_cast(std::uint64_t, DecayExponent);
constexpr std::int64_t kExponentInteger = static_cast<std::int64_t>(
    (kExponentBits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52));
constexpr int kExponentShift = 1075 - static_cast<int>(kExponentBits >> 52);
static_assert(kExponentBits >> 63 == 0 && kExponentShift > 0 && kExponentShift < 64);

// 64 / ln 2 at 2^56, enough to pick the nearest multiple of ln2/64 to within a few parts in a
// million; the reduction below is exact whichever multiple it picks.
constexpr std::uint64_t k64ByLn2 = decay_power::k64ByLn2.Significand() >> 1;
static_assert(decay_power::k64ByLn2.BiasedExponent() == Extended::kBias + 6);

// ln(ratio) at kQz. ratio = m 2^e with m in [1, 2); m = (1 + r) / centre with the centre from
// the table nearest m, so |r| < 2^-8 and ln(1 + r) is a short series.
Fixed Log(ExtendedBits bits) {
  const LogCentre& entry = kTables.logCentres[(bits.significand >> 56) & 0x7F];
  // m * centre = significand * centre24 * 2^-87, about 1: at 2^128 its integer part is the bit
  // shifted out above the 128 bits, so what stays is r, exactly.
  const wide::U128 product = wide::Multiply(bits.significand, entry.centre);
  const Fixed r = fixed128::ShiftLeft({product.hi, product.lo}, kQr - 87);

  // ln(1 + r) = r (1 - r (1/2 - r (1/3 - ... r / 13))): the rest is below 2^-115.
  Fixed sum = kTables.logCoefficients[12];
  for (int k = 11; k >= 0; --k) {
    sum = fixed128::Subtract(kTables.logCoefficients[k], fixed128::MultiplyHigh(r, sum));
  }
  const Fixed log1p = fixed128::ShiftRight(fixed128::MultiplyHigh(r, sum), kQs - kQz);

  const Fixed exponentPart = fixed128::MultiplyByInteger(kTables.ln2, bits.exponent, kQp - kQz);
  return fixed128::Add(fixed128::Add(exponentPart, entry.minusLog), log1p);
}

// ratio^DecayExponent as power * 2^exponent, power at kQp in [1/2, 4).
struct Unrounded {
  Fixed power;
  int exponent;
};

Unrounded BeforeRounding(ExtendedBits bits) {
  const Fixed z = fixed128::MultiplyByInteger(Log(bits), kExponentInteger, kExponentShift);

  // z = n ln2/64 + r with |r| <= ln2/128 and a little: exp(z) = 2^(n div 64) 2^((n mod 64)/64)
  // exp(r). |z| < 2^14, so its top word is z at 2^48, and n stays below 2^21.
  const auto z48 = static_cast<std::int64_t>(z.hi);
  const wide::U128 scaled =
      wide::Multiply(z48 < 0 ? 0 - static_cast<std::uint64_t>(z48) : z48, k64ByLn2);
  // The nearest integer to |z| 64/ln2, which lies at 2^(48 + 56).
  const auto magnitude = static_cast<std::int64_t>((scaled.hi + (std::uint64_t{1} << 39)) >> 40);
  const std::int64_t n = z48 < 0 ? -magnitude : magnitude;
  const Fixed reduced =
      fixed128::Subtract(z, fixed128::MultiplyByInteger(kTables.ln2By64, n, kQp - kQz));
  const Fixed r = fixed128::ShiftLeft(reduced, kQr - kQz);

  // exp(r) = 1 + r (1 + r (1/2 + r (1/6 + ... r / 10!))): the rest is below 2^-107.
  Fixed sum = kTables.expCoefficients[10];
  for (int k = 9; k >= 0; --k) {
    sum = fixed128::Add(kTables.expCoefficients[k], fixed128::MultiplyHigh(r, sum));
  }
  const std::int64_t j = n & 63;  // two's complement: the floor modulo
  return {fixed128::MultiplyHigh(kTables.exp2Sixtyfourths[j], sum), static_cast<int>((n - j) / 64)};
}

// power * 2^(exponent - kQp) rounded once to an extended number.
Extended Rounded(Fixed power, int exponent) {
  const int lead = fixed128::LeadingBit(power);
  const Fixed top = lead == 127 ? power : fixed128::ShiftLeft(power, 127 - lead);
  return Extended::FromRounded(false, exponent + lead - kQp, top.hi, top.lo);
}

}  // namespace

DecayPowerUnrounded DecayPowerBeforeRounding(Extended ratio) {
  const Unrounded u = BeforeRounding(PositiveFields(ratio));
  const Extended hi = Rounded(u.power, 0);
  // What rounding left out, exactly: fewer than 64 significant bits.
  const Fixed rest = fixed128::Subtract(u.power, fixed128::FromExtended(hi, kQp));
  const bool negative = fixed128::IsNegative(rest);
  const Fixed magnitude = negative ? fixed128::Negate(rest) : rest;
  const Extended lo = Extended::FromUnsigned(magnitude.lo).Scaled(-kQp);
  return {hi, negative ? -lo : lo, u.exponent};
}

bool DecayPowerFast(Extended ratio, Extended& power) {
  const Unrounded u = BeforeRounding(PositiveFields(ratio));
  // Rounding is monotonic: when both ends of the error interval round alike, so does the exact
  // power between them. The interval's half-width: power * 2^-kDecayPowerFastErrorBits and a
  // unit more for the truncation.
  const Fixed bound{0, (u.power.hi >> (kDecayPowerFastErrorBits - 64)) + 1};
  const Extended below = Rounded(fixed128::Subtract(u.power, bound), u.exponent);
  const Extended above = Rounded(fixed128::Add(u.power, bound), u.exponent);
  if (below.BiasedExponent() != above.BiasedExponent() ||
      below.Significand() != above.Significand())
    return false;
  power = below;
  return true;
}

Extended DecayPower(Extended ratio) {
  if (ratio.IsNaN() || ratio < Extended()) return Extended::DefaultNaN();
  if (ratio == Extended() || ratio == Extended(1.0) || ratio.IsInfinite()) {
    return ratio == Extended() ? Extended() : ratio;
  }
  Extended power;
  if (DecayPowerFast(ratio, power)) return power;
  return DecayPowerExact(ratio);
}

}  // namespace gb
