#include "engine/DecayPower.h"

#include <cstdint>

#include "engine/DecayPowerTables.h"
#include "engine/DesignResponse.h"
#include "engine/ExtendedBits.h"
#include "engine/X87.h"

namespace gb {

namespace {

// The fast path is written once for any number type with the x87 unit's arithmetic: the
// program's own Extended everywhere, and long double where that is the x87 unit itself, which
// is several times faster (see DecayPowerFastX87).
template <class Real>
struct PairOf {
  Real hi, lo;
};

template <class Real>
struct Ops;

template <>
struct Ops<Extended> {
  static Extended FromUnsigned(std::uint64_t v) { return Extended::FromUnsigned(v); }
  static Extended FromInteger(std::int64_t v) { return Extended::FromInteger(v); }
  static std::int64_t Truncated(Extended x) { return x.Truncated(); }
  static Extended From(Extended x) { return x; }
};

#if GB_HAVE_X87
template <>
struct Ops<long double> {
  static long double FromUnsigned(std::uint64_t v) { return static_cast<long double>(v); }
  static long double FromInteger(std::int64_t v) { return static_cast<long double>(v); }
  static std::int64_t Truncated(long double x) { return static_cast<std::int64_t>(x); }
  static long double From(Extended x) { return ToX87(x); }
};
#endif

// The tables and constants in the number type of the computation.
template <class Real>
struct Tables {
  struct LogCentre {
    Real centre, minusLogHi, minusLogLo;
  };
  LogCentre logCentres[128];
  PairOf<Real> exp2Sixtyfourths[64];
  Real ln2Hi, ln2Lo, ln2By64Hi, ln2By64Lo, by64Ln2;
  // 1/10 down to 1/3, and 1/8! down to 1/3!: the series' tails, whose rounding is far below
  // the bound.
  Real logCoefficients[8], expCoefficients[6];
  Real fastError;

  Tables() {
    const auto from = [](Extended x) { return Ops<Real>::From(x); };
    for (int i = 0; i < 128; ++i) {
      const auto& c = decay_power::kLogCentres[i];
      logCentres[i] = {from(c.centre), from(c.minusLogHi), from(c.minusLogLo)};
    }
    for (int j = 0; j < 64; ++j) {
      const auto& e = decay_power::kExp2Sixtyfourths[j];
      exp2Sixtyfourths[j] = {from(e.hi), from(e.lo)};
    }
    ln2Hi = from(decay_power::kLn2Hi);
    ln2Lo = from(decay_power::kLn2Lo);
    ln2By64Hi = from(decay_power::kLn2By64Hi);
    ln2By64Lo = from(decay_power::kLn2By64Lo);
    by64Ln2 = from(decay_power::k64ByLn2);
    const auto reciprocal = [&](int n) {
      return from(Extended(1.0) / Extended(static_cast<double>(n)));
    };
    const int logDivisors[8] = {10, 9, 8, 7, 6, 5, 4, 3};
    for (int i = 0; i < 8; ++i) logCoefficients[i] = reciprocal(logDivisors[i]);
    const int expDivisors[6] = {40320, 5040, 720, 120, 24, 6};
    for (int i = 0; i < 6; ++i) expCoefficients[i] = reciprocal(expDivisors[i]);
    fastError = from(kDecayPowerFastError);
  }
};

template <class Real>
const Tables<Real>& TablesOf() {
  static const Tables<Real> tables;
  return tables;
}

// Error-free transformations, which hold for any correctly rounded arithmetic: the pair's sum is
// the exact result.
template <class Real>
inline PairOf<Real> TwoSum(Real a, Real b) {
  const Real s = a + b;
  const Real bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

template <class Real>
inline PairOf<Real> FastTwoSum(Real a, Real b) {  // |a| >= |b|
  const Real s = a + b;
  return {s, b - (s - a)};
}

// Veltkamp's split into two halves of 32 bits, whose products are exact.
template <class Real>
inline PairOf<Real> Split(Real a) {
  const Real t = 0x1.00000001p32 * a;  // 2^32 + 1
  const Real hi = t - (t - a);
  return {hi, a - hi};
}

template <class Real>
inline PairOf<Real> TwoProduct(Real a, Real b) {
  const Real p = a * b;
  const PairOf<Real> as = Split(a), bs = Split(b);
  return {p, ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo};
}

// ln(ratio) as a pair, to about 2^-85 absolute. ratio = m 2^e with m in [1, 2); m = c (1 + r)
// with c from the table nearest m, so |r| < 2^-8 and ln(1 + r) is a short series.
template <class Real>
PairOf<Real> Log(ExtendedBits bits, const Tables<Real>& t) {
  const auto& entry = t.logCentres[(bits.significand >> 56) & 0x7F];
  // m's two halves times the 24-bit centre are exact, and so is the high product minus 1.
  const Real mHi = Ops<Real>::FromUnsigned(bits.significand & 0xFFFFFFFF00000000u) * 0x1p-63;
  const Real mLo = Ops<Real>::FromUnsigned(bits.significand & 0xFFFFFFFFu) * 0x1p-63;
  const PairOf<Real> r = TwoSum<Real>(mHi * entry.centre - 1.0, mLo * entry.centre);

  // ln(1 + r) = r - r^2/2 + r^3 (1/3 - r (1/4 - ...)), the tail below 2^-24 in extended
  // precision.
  const Real x = r.hi;
  Real tail = t.logCoefficients[0];
  for (int i = 1; i < 8; ++i) tail = t.logCoefficients[i] - x * tail;
  tail *= x * x * x;
  const PairOf<Real> square = TwoProduct(x, x);
  const PairOf<Real> s1 = TwoSum(x, -0.5 * square.hi);
  const PairOf<Real> s2 = TwoSum(s1.hi, tail);
  const Real log1pLo = s1.lo + s2.lo + r.lo - 0.5 * square.lo - x * r.lo;

  const Real e = Ops<Real>::FromInteger(bits.exponent);
  const PairOf<Real> t1 = TwoSum(e * t.ln2Hi, entry.minusLogHi);  // the product is exact
  const PairOf<Real> t2 = TwoSum(t1.hi, s2.hi);
  const Real lo = t1.lo + t2.lo + (log1pLo + entry.minusLogLo + e * t.ln2Lo);
  return TwoSum(t2.hi, lo);
}

// exp(z.hi + z.lo) as a pair whose value is 2^k times a pair in [1, 2): z = n ln2/64 + r with
// |r| <= ln2/128, exp(z) = 2^(n div 64) 2^((n mod 64)/64) exp(r).
template <class Real>
struct Scaled {
  PairOf<Real> value;
  int exponent;
};

template <class Real>
Scaled<Real> Exp(PairOf<Real> z, const Tables<Real>& t) {
  const Real n = (z.hi * t.by64Ln2 + 0x1.8p63) - 0x1.8p63;
  // n times the 43-bit high part is exact and lies within a factor 2 of z.hi, so the
  // difference is exact too.
  const PairOf<Real> r = TwoSum(z.hi - n * t.ln2By64Hi, z.lo - n * t.ln2By64Lo);

  // exp(r) - 1 = r + r^2/2 + r^3 (1/6 + r (1/24 + ...)), up to r^8.
  const Real x = r.hi;
  Real tail = t.expCoefficients[0];
  for (int i = 1; i < 6; ++i) tail = t.expCoefficients[i] + x * tail;
  tail *= x * x * x;
  const PairOf<Real> square = TwoProduct(x, x);
  const PairOf<Real> s1 = TwoSum(x, 0.5 * square.hi);
  const PairOf<Real> s2 = TwoSum(s1.hi, tail);
  const Real qLo = s1.lo + s2.lo + r.lo + 0.5 * square.lo + x * r.lo;

  const std::int64_t whole = Ops<Real>::Truncated(n);
  const std::int64_t j = whole & 63;  // two's complement: the floor modulo
  const PairOf<Real>& table = t.exp2Sixtyfourths[j];
  // table (1 + q) = table.hi + table.hi q.hi + (table.hi q.lo + table.lo (1 + q.hi)).
  const PairOf<Real> p = TwoProduct(table.hi, s2.hi);
  const PairOf<Real> s = TwoSum(table.hi, p.hi);
  const Real lo = s.lo + p.lo + (table.hi * qLo + table.lo + table.lo * s2.hi);
  return {FastTwoSum(s.hi, lo), static_cast<int>((whole - j) / 64)};
}

template <class Real>
struct Unrounded {
  Real hi, lo;
  int exponent;
};

template <class Real>
Unrounded<Real> BeforeRounding(ExtendedBits fields) {
  const Tables<Real>& t = TablesOf<Real>();
  const PairOf<Real> log = Log(fields, t);
  // z = y ln(ratio) with y the double exponent: its product with the high part is exact.
  const Real y = Ops<Real>::From(Extended(DecayExponent));
  const PairOf<Real> product = TwoProduct(y, log.hi);
  const Scaled<Real> result = Exp<Real>({product.hi, product.lo + y * log.lo}, t);
  return {result.value.hi, result.value.lo, result.exponent};
}

// Rounding is monotonic: when both ends of the error interval round alike, so does the exact
// power between them. `power` is the value still to be scaled by 2^exponent.
template <class Real>
bool Decided(const Unrounded<Real>& result, Real& power) {
  const Real bound = result.hi * TablesOf<Real>().fastError;
  const Real below = result.hi + (result.lo - bound);
  const Real above = result.hi + (result.lo + bound);
  if (below != above) return false;
  power = below;
  return true;
}

}  // namespace

DecayPowerUnrounded DecayPowerBeforeRounding(Extended ratio) {
  const Unrounded<Extended> u = BeforeRounding<Extended>(PositiveFields(ratio));
  return {u.hi, u.lo, u.exponent};
}

bool DecayPowerFastPortable(Extended ratio, Extended& power) {
  const Unrounded<Extended> u = BeforeRounding<Extended>(PositiveFields(ratio));
  Extended below;
  if (!Decided(u, below)) return false;
  power = below * PowerOfTwo(u.exponent);
  return true;
}

#if GB_HAVE_X87
bool DecayPowerFastX87(Extended ratio, Extended& power) {
  const X87ExtendedPrecisionScope fullPrecision;
  const Unrounded<long double> u = BeforeRounding<long double>(PositiveFields(ratio));
  long double below;
  if (!Decided(u, below)) return false;
  power = FromX87(below) * PowerOfTwo(u.exponent);
  return true;
}
#endif

bool DecayPowerFast(Extended ratio, Extended& power) {
#if GB_HAVE_X87
  return DecayPowerFastX87(ratio, power);
#else
  return DecayPowerFastPortable(ratio, power);
#endif
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
