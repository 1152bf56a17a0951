#include "text/ParseDecimalText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/DecimalToExtended.h"
#include "text/Errors.h"
#include "text/NumberSeparators.h"
#include "text/PowersOfTen.h"
#include "text/Trim.h"
#include "text/Utf8.h"

namespace gb {
namespace {

// Up to 19 digits the significand is an exact integer in the 64-bit significand.
constexpr std::int64_t kMaxExactDigits = 19;
// Far more than a 64-bit significand can tell apart; a sticky digit stands for the rest.
constexpr std::int64_t kMaxNormalisedDigits = 40;
// Exponent digits are read while the exponent is below this, so "1e4999" is a (too large)
// number while "1e5000" is not a number at all.
constexpr int kExponentReadLimit = 500;
// Halfway between the largest double and 2^1024: from here on rounding to double (ties to even,
// and the largest double is odd) gives infinity.
constexpr Extended kDoubleOverflow = Extended::FromSignificand(false, 0xFFFFFFFFFFFFFC00u, 1023);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void ThrowNotANumber(std::string_view trimmed) {
  throw EConvertError("'" + std::string(trimmed) + "' is not a valid floating point value");
}

struct DecimalText {
  bool negative = false;
  std::string_view integerDigits;
  std::string_view fractionDigits;
  int exponent = 0;
};

std::string_view TakeDigits(std::string_view text, std::size_t& position) {
  const std::size_t start = position;
  while (position < text.size() && IsDigit(text[position])) ++position;
  return text.substr(start, position - start);
}

int TakeExponent(std::string_view text, std::size_t& position) {
  bool negative = false;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    negative = text[position++] == '-';
  }
  int exponent = 0;
  while (position < text.size() && IsDigit(text[position]) && exponent < kExponentReadLimit) {
    exponent = exponent * 10 + (text[position++] - '0');
  }
  return negative ? -exponent : exponent;
}

// False when some character of `text` is not taken by the grammar.
bool Scan(std::string_view text, DecimalText& out) {
  std::size_t position = 0;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) out.negative = text[position++] == '-';
  out.integerDigits = TakeDigits(text, position);
  const detail::Utf8Unit separator = detail::EncodeUtf8(DecimalSeparator);
  const bool hasSeparator =
      text.substr(position).starts_with(std::string_view(separator.bytes, separator.size));
  if (hasSeparator) {
    position += separator.size;
    out.fractionDigits = TakeDigits(text, position);
  }
  if (out.integerDigits.empty() && !hasSeparator) return false;
  if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
    out.exponent = TakeExponent(text, ++position);
  }
  return position == text.size();
}

// The digits of a DecimalText without leading zeros, as one sequence.
class SignificantDigits {
 public:
  explicit SignificantDigits(const DecimalText& t) : parts_{t.integerDigits, t.fractionDigits} {
    while (!parts_[0].empty() && parts_[0].front() == '0') parts_[0].remove_prefix(1);
    if (parts_[0].empty()) {
      while (!parts_[1].empty() && parts_[1].front() == '0') parts_[1].remove_prefix(1);
    }
  }
  std::int64_t Count() const {
    return static_cast<std::int64_t>(parts_[0].size() + parts_[1].size());
  }
  template <typename F>
  void ForEach(F&& f) const {
    for (std::string_view part : parts_) {
      for (char c : part) f(c);
    }
  }

 private:
  std::string_view parts_[2];
};

// count <= 19 and |scale| <= 27: an exact integer and an exact power of ten, so one rounding in
// the 64-bit significand.
Extended ExactMagnitude(const SignificantDigits& digits, std::int64_t scale) {
  std::uint64_t integer = 0;
  digits.ForEach([&](char c) { integer = integer * 10 + static_cast<std::uint64_t>(c - '0'); });
  const Extended significand = Extended::FromUnsigned(integer);
  if (scale >= 0) return significand * detail::PowerOfTen(static_cast<int>(scale));
  return significand / detail::PowerOfTen(static_cast<int>(-scale));
}

// Everything else: the first 40 digits, and one more standing for any non-zero digit after them,
// correctly rounded to the 64-bit significand (DecimalToExtended); beyond 40 digits no further
// one can change that rounding.
Extended NormalisedMagnitude(const SignificantDigits& digits, std::int64_t scale) {
  char text[kMaxNormalisedDigits + 1];
  char* out = text;
  bool sticky = false;
  std::int64_t taken = 0;
  digits.ForEach([&](char c) {
    if (taken++ < kMaxNormalisedDigits) {
      *out++ = c;
    } else {
      sticky |= c != '0';
    }
  });
  scale += digits.Count() - std::min(digits.Count(), kMaxNormalisedDigits);
  if (sticky) {
    *out++ = '1';
    --scale;
  }
  return detail::DecimalToExtended(std::string_view(text, static_cast<std::size_t>(out - text)),
                                   scale);
}

}  // namespace

double ParseDecimalText(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  DecimalText parsed;
  if (!Scan(trimmed, parsed)) ThrowNotANumber(trimmed);

  const SignificantDigits digits(parsed);
  if (digits.Count() == 0) return parsed.negative ? -0.0 : 0.0;
  const std::int64_t scale =
      parsed.exponent - static_cast<std::int64_t>(parsed.fractionDigits.size());
  const bool exact =
      digits.Count() <= kMaxExactDigits && std::abs(scale) < detail::kExactPowersOfTen;
  const Extended magnitude =
      exact ? ExactMagnitude(digits, scale) : NormalisedMagnitude(digits, scale);

  if (magnitude.IsInfinite()) ThrowNotANumber(trimmed);  // 2^16384 or more
  if (magnitude >= kDoubleOverflow) throw EOverflow();
  const double result = magnitude.ToDouble();
  return parsed.negative ? -result : result;
}

}  // namespace gb
