#include "text/DecimalFormats.h"

#include <algorithm>
#include <cmath>

#include "text/DecimalExpansion.h"
#include "text/NumberSeparators.h"
#include "text/Utf8.h"

namespace gb {
namespace {

// Longest fixed text: sign, 18 integer digits, a three-byte separator and four decimals.
constexpr int kFixedTextCapacity = 32;
// Beyond this many integer digits the fixed formats would show digits the value doesn't carry.
constexpr int kMaxFixedExponent = 18;
constexpr int kGeneralPrecision = 15;

void AppendUnit(std::string& out, char16_t unit) {
  const detail::Utf8Unit utf8 = detail::EncodeUtf8(unit);
  out.append(utf8.bytes, utf8.size);
}

std::string NonFiniteText(const DecimalExpansion& e) {
  if (e.kind == DecimalExpansion::Kind::NaN) return "NAN";
  return e.negative ? "-INF" : "INF";
}

// The i-th digit (from 0), with the zeros that stand for the dropped trailing digits.
char DigitAt(const DecimalExpansion& e, int i) { return i < e.digitCount ? e.digits[i] : '0'; }

int IntegerDigitCount(const DecimalExpansion& e) { return std::max(e.exponent, 0); }

void AppendIntegerPart(std::string& out, const DecimalExpansion& e, char16_t groupSeparator) {
  if (e.exponent <= 0) {
    out += '0';
    return;
  }
  for (int i = 0; i < e.exponent; ++i) {
    if (i > 0 && groupSeparator != u'\0' && (e.exponent - i) % 3 == 0) {
      AppendUnit(out, groupSeparator);
    }
    out += DigitAt(e, i);
  }
}

// Separator, the zeros between it and d1, and the digits after the integer part; nothing when no
// digit is left after the integer part.
void AppendFraction(std::string& out, const DecimalExpansion& e) {
  const int first = IntegerDigitCount(e);
  if (e.digitCount <= first) return;
  AppendUnit(out, DecimalSeparator);
  if (e.exponent < 0) out.append(-e.exponent, '0');
  out.append(e.digits + first, e.digitCount - first);
}

void AppendScientific(std::string& out, const DecimalExpansion& e) {
  out += e.digits[0];
  if (e.digitCount > 1) {
    AppendUnit(out, DecimalSeparator);
    out.append(e.digits + 1, e.digitCount - 1);
  }
  out += 'E';
  const int power = e.exponent - 1;
  if (power < 0) out += '-';
  out += std::to_string(std::abs(power));
}

}  // namespace

std::string FormatFourDecimals(Extended value) {
  if (!value.IsFinite()) return FormatGeneralDecimal(value);
  const DecimalExpansion e = ExpandDecimal(value, 18, 4);
  if (e.exponent > kMaxFixedExponent) return FormatGeneralDecimal(value);

  // Grid cells are formatted by the thousand, so this one avoids std::string's growth checks.
  char text[kFixedTextCapacity];
  char* out = text;
  if (e.negative) *out++ = '-';
  if (e.exponent <= 0) {
    *out++ = '0';
  } else {
    for (int i = 0; i < e.exponent; ++i) *out++ = DigitAt(e, i);
  }
  const detail::Utf8Unit separator = detail::EncodeUtf8(DecimalSeparator);
  out = std::copy_n(separator.bytes, separator.size, out);
  // The cut at four decimals leaves X >= -4, so the leading zeros fit.
  char* const decimals = out;
  for (int x = e.exponent; x < 0; ++x) *out++ = '0';
  for (int i = IntegerDigitCount(e); i < e.digitCount; ++i) *out++ = e.digits[i];
  while (out < decimals + 4) *out++ = '0';
  return std::string(text, out);
}

std::string FormatGeneralDecimal(Extended value) {
  const DecimalExpansion e = ExpandDecimal(value, kGeneralPrecision, kUnlimitedDecimals);
  if (e.kind != DecimalExpansion::Kind::Finite) return NonFiniteText(e);
  if (e.IsZero()) return "0";

  std::string out;
  if (e.negative) out += '-';
  if (e.exponent > kGeneralPrecision || e.exponent < -3) {
    AppendScientific(out, e);
  } else {
    AppendIntegerPart(out, e, u'\0');
    AppendFraction(out, e);
  }
  return out;
}

std::string FormatGroupedDecimal(Extended value, int maxDecimals) {
  if (!value.IsFinite()) return FormatGeneralDecimal(value);
  const DecimalExpansion e = ExpandDecimal(value, 18, maxDecimals);
  if (e.exponent > kMaxFixedExponent) return FormatGeneralDecimal(value);
  if (e.IsZero()) return "0";

  std::string out;
  if (e.negative) out += '-';
  AppendIntegerPart(out, e, ThousandSeparator);
  AppendFraction(out, e);
  return out;
}

}  // namespace gb
