#include "text/DecimalExpansion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "text/Digits18.h"
#include "text/PowersOfTen.h"

namespace gb {
namespace {

using detail::kPow10U64;

DecimalExpansion NonFinite(Extended value) {
  DecimalExpansion result;
  if (value.IsNaN()) {
    result.kind = DecimalExpansion::Kind::NaN;
  } else {
    result.kind = DecimalExpansion::Kind::Infinite;
    result.negative = value.Negative();
  }
  return result;
}

struct CutDigits {
  std::uint64_t digits;  // `count` digits, the first non-zero unless digits == 0
  int count;
  int exponent;
};

// Keeps `keep` (0 <= keep < 18) of the 18 digits, rounding half away from zero on those 18
// digits rather than on the exact value: that is what the printed result must agree with.
CutDigits Cut(detail::Digits18 d, int keep) {
  const std::uint64_t unit = kPow10U64[18 - keep];
  std::uint64_t kept = d.digits / unit;
  const std::uint64_t next = d.digits / (unit / 10) % 10;
  if (next >= 5 && ++kept == kPow10U64[keep]) return {1, 1, d.exponent + 1};
  return {kept, keep, d.exponent};
}

}  // namespace

DecimalExpansion ExpandDecimal(Extended value, int precision, int decimals) {
  if (!value.IsFinite()) return NonFinite(value);
  DecimalExpansion result;
  if (value.IsZero()) return result;

  const detail::Digits18 d = detail::RoundToDigits18(detail::DecomposeFinite(value));
  const std::int64_t keep =
      std::min<std::int64_t>(std::int64_t{d.exponent} + decimals, std::min(precision, 18));
  if (keep < 0) return result;
  CutDigits cut = keep >= 18 ? CutDigits{d.digits, 18, d.exponent} : Cut(d, static_cast<int>(keep));
  while (cut.digits != 0 && cut.digits % 10 == 0) {
    cut.digits /= 10;
    --cut.count;
  }
  if (cut.digits == 0) return result;

  result.negative = value.Negative();
  result.exponent = cut.exponent;
  result.digitCount = cut.count;
  for (int i = cut.count - 1; i >= 0; --i) {
    result.digits[i] = static_cast<char>('0' + cut.digits % 10);
    cut.digits /= 10;
  }
  return result;
}

}  // namespace gb
