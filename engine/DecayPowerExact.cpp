#include <cmath>
#include <cstdint>

#include "engine/DecayPower.h"
#include "engine/DesignResponse.h"
#include "engine/ExtendedBits.h"
#include "engine/FixedPoint.h"

namespace gb {

namespace {

using u128 = unsigned __int128;

// sqrt(2) 2^63: significands above it are halved so that the series argument stays below 0.18.
constexpr std::uint64_t kSqrt2Significand = 0xB504F333F9DE6484u;

// Error bound of the multi-precision result, in units of the last fraction bit. Each series
// term loses a few units; ln 2 carries its error times the exponent (below 2^15) into the
// logarithm and again into the reduction of the exponential. Below 2^24 units per fraction limb;
// this bound holds up to thousands of limbs.
constexpr int kErrorBits = 40;

struct Signed {
  FixedPoint magnitude;
  bool negative;
};

Signed Add(const Signed& a, const Signed& b) {
  if (a.negative == b.negative) return {a.magnitude + b.magnitude, a.negative};
  if (a.magnitude < b.magnitude) return {b.magnitude - a.magnitude, b.negative};
  return {a.magnitude - b.magnitude, a.negative};
}

// 2 atanh(t) = ln((1 + t) / (1 - t)), for 0 <= t < 1/3.
FixedPoint TwiceAtanh(const FixedPoint& t) {
  const FixedPoint square = t * t;
  FixedPoint power = t, sum(t.FractionLimbs());
  for (std::uint64_t k = 1; !power.IsZero(); k += 2) {
    sum = sum + power / k;
    power = power * square;
  }
  return sum * 2;
}

// ln 2 = 2 atanh(1/3).
FixedPoint Ln2(int limbs) { return TwiceAtanh(FixedPoint::Ratio(limbs, 1, 3)); }

// exp(r) for 0 <= r < 1 by its Taylor series.
FixedPoint Exp(const FixedPoint& r) {
  FixedPoint term(r.FractionLimbs(), 1), sum(r.FractionLimbs(), 1);
  for (std::uint64_t i = 1; !term.IsZero(); ++i) {
    term = term * r / i;
    sum = sum + term;
  }
  return sum;
}

// v (in [1/2, 4)) rounded to a 64-bit significand, nearest and ties to even, with the binary
// exponent of that significand's leading bit.
ExtendedBits RoundToSignificand(const FixedPoint& v) {
  const std::uint64_t integer = v.IntegerPart();
  bool sticky = false;
  std::uint64_t significand = 0;
  bool round = false;
  int exponent = 0;
  if (integer >= 2) {
    const std::uint64_t word = v.FractionWord(0, sticky);
    significand = (integer << 62) | (word >> 2);
    round = (word >> 1) & 1;
    sticky = sticky || (word & 1);
    exponent = 1;
  } else if (integer == 1) {
    const std::uint64_t word = v.FractionWord(0, sticky);
    significand = (std::uint64_t{1} << 63) | (word >> 1);
    round = word & 1;
  } else {
    significand = v.FractionWord(0, sticky);
    round = v.FractionBit(65);
    bool beyond = false;
    sticky = v.FractionWord(65, beyond) != 0 || beyond;
    exponent = -1;
  }
  if (round && (sticky || (significand & 1))) {
    if (++significand == 0) {
      significand = std::uint64_t{1} << 63;
      ++exponent;
    }
  }
  return {significand, exponent};
}

// ratio^y as 2^k exp(r) to limbs fraction limbs, or false when the error bound leaves its
// rounding undecided at this precision.
bool PowerAtPrecision(ExtendedBits bits, int limbs, Extended& power) {
  const FixedPoint ln2 = Ln2(limbs);

  // ln(ratio) = e ln2 + ln(m) with m = significand / 2^63, m taken to [sqrt(1/2), sqrt(2)).
  constexpr u128 kOne = u128{1} << 63;
  std::int64_t e = bits.exponent;
  Signed logM{FixedPoint(limbs), false};
  if (bits.significand < kSqrt2Significand) {
    logM.magnitude =
        TwiceAtanh(FixedPoint::Ratio(limbs, bits.significand - kOne, bits.significand + kOne));
  } else {
    ++e;
    logM = {TwiceAtanh(
                FixedPoint::Ratio(limbs, 2 * kOne - bits.significand, 2 * kOne + bits.significand)),
            true};
  }
  const Signed log = Add({ln2 * static_cast<std::uint64_t>(std::abs(e)), e < 0}, logM);

  // z = y ln(ratio), y = Y / 2^shift exactly.
  int yExponent = 0;
  const double yFraction = std::frexp(DecayExponent, &yExponent);
  const auto yInteger = static_cast<std::uint64_t>(std::ldexp(yFraction, 53));
  const FixedPoint z = (log.magnitude * yInteger).ShiftedRight(53 - yExponent);

  // |z| = k ln2 + rest with 0 <= rest < ln2.
  std::int64_t k = (z.Approximate() / 0.6931471805599453).Truncated();  // z >= 0: the floor
  if (k < 0) k = 0;
  FixedPoint multiple = ln2 * static_cast<std::uint64_t>(k);
  while (z < multiple) multiple = ln2 * static_cast<std::uint64_t>(--k);
  FixedPoint rest = z - multiple;
  while (!(rest < ln2)) {
    rest = rest - ln2;
    ++k;
  }
  if (log.negative && !rest.IsZero()) {
    k = -(k + 1);
    rest = ln2 - rest;
  } else if (log.negative) {
    k = -k;
  }

  const FixedPoint value = Exp(rest);
  const FixedPoint error = FixedPoint(limbs, 1).ShiftedRight(64 * limbs - kErrorBits);
  const ExtendedBits low = RoundToSignificand(value - error);
  const ExtendedBits high = RoundToSignificand(value + error);
  if (low.significand != high.significand || low.exponent != high.exponent) return false;
  power = ExtendedFromFields({low.significand, low.exponent + static_cast<int>(k)});
  return true;
}

}  // namespace

Extended DecayPowerExact(Extended ratio) {
  if (ratio == Extended(1.0)) return ratio;
  const ExtendedBits bits = PositiveFields(ratio);
  Extended power;
  for (int limbs = 4;; limbs *= 2) {
    if (PowerAtPrecision(bits, limbs, power)) return power;
  }
}

}  // namespace gb
