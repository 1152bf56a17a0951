// Any byte string through the parser, and every parsed value through the three formats and back;
// the first bytes are also read as a raw long double, including encodings no arithmetic produces.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "tests/support/X87.h"
#include "text/DecimalFormats.h"
#include "text/Errors.h"
#include "text/NumberSeparators.h"
#include "text/ParseDecimalText.h"

namespace {

// The fuzzer's long double as the program's extended number, bit for bit; the encodings the x87
// unit refuses as operands (a non-zero exponent without the leading bit) are a NaN to it, and so
// here.
gb::Extended Wide(long double value) {
  const gb::Extended x = gb::FromX87(value);
  if (x.BiasedExponent() != 0 && (x.Significand() >> 63) == 0) return gb::Extended::DefaultNaN();
  return x;
}

void Require(bool condition, const char* what, long double value, const std::string& text) {
  if (condition) return;
  std::fprintf(stderr, "%s: value %La (%.21Lg), text '%s'\n", what, value, value, text.c_str());
  std::abort();
}

bool TryParse(const std::string& text, double& value) {
  try {
    value = gb::ParseDecimalText(text);
    return true;
  } catch (const gb::Exception&) {
    return false;
  }
}

// Significant digits of a text the parser accepted: leading and trailing zeros don't count.
int SignificantDigits(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (c == 'e' || c == 'E') break;
    if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) digits += c;
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  return static_cast<int>(digits.size());
}

bool IsNormalDouble(long double x) {
  return std::isfinite(x) && std::fabs(x) >= 0x1p-1022L && std::fabs(x) <= 0x1.fffffffffffffp1023L;
}

void CheckGeneral(long double value, bool shortInput) {
  const std::string text = gb::FormatGeneralDecimal(Wide(value));
  double back = 0;
  // Fifteen digits of the largest doubles round up past the largest double.
  const bool nearTop = std::fabs(value) > 0x1.fffffffffffffp1023L * (1 - 1e-14L);
  if (!TryParse(text, back) && nearTop) return;
  Require(TryParse(text, back), "general text does not parse", value, text);
  const long double error = std::fabs(static_cast<long double>(back) - value);
  Require(error <= 1e-14L * std::fabs(value) + 0x1p-1074L, "general text too far", value, text);
  if (IsNormalDouble(value)) {
    Require(gb::FormatGeneralDecimal(Wide(back)) == text, "general text not stable", value, text);
    if (shortInput) Require(back == value, "short input not reproduced", value, text);
  }
}

// Four-decimal and grouped texts of values beyond 18 integer digits fall back to general.
bool IsFallback(const std::string& text, long double value) {
  if (text.find('E') == std::string::npos) return false;
  Require(text == gb::FormatGeneralDecimal(Wide(value)), "fallback is not the general text", value,
          text);
  return true;
}

void CheckFourDecimals(long double value) {
  const std::string text = gb::FormatFourDecimals(Wide(value));
  if (!std::isfinite(value) || IsFallback(text, value)) return;
  const std::size_t point = text.find('.');
  Require(point != std::string::npos && text.size() - point == 5, "not four decimals", value, text);
  Require(text != "-0.0000", "negative zero text", value, text);
  double back = 0;
  if (!IsNormalDouble(value) && value != 0) return;
  Require(TryParse(text, back), "four-decimal text does not parse", value, text);
  const long double error = std::fabs(static_cast<long double>(back) - value);
  Require(error <= 0.00005L + 1e-12L + 1e-15L * std::fabs(value), "four-decimal text too far",
          value, text);
}

void CheckGrouped(long double value, int maxDecimals) {
  const std::string text = gb::FormatGroupedDecimal(Wide(value), maxDecimals);
  if (!std::isfinite(value) || IsFallback(text, value)) return;
  std::string ungrouped;
  for (char c : text) {
    if (c != ',') ungrouped += c;
  }
  double back = 0;
  if (maxDecimals < 0 || maxDecimals > 30 || !IsNormalDouble(value)) return;
  Require(TryParse(ungrouped, back), "grouped text does not parse", value, text);
  const long double error = std::fabs(static_cast<long double>(back) - value);
  Require(error <= 0.5L * std::pow(10.0L, -maxDecimals) * (1 + 1e-9L) + 1e-15L * std::fabs(value),
          "grouped text too far", value, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gb::DecimalSeparator = u'.';
  gb::ThousandSeparator = u',';
  const std::string text(reinterpret_cast<const char*>(data), size);

  if (size >= 10) {
    long double raw = 0;
    std::memcpy(&raw, data, 10);
    const int maxDecimals = size > 10 ? static_cast<std::int8_t>(data[10]) : 4;
    CheckFourDecimals(raw);
    CheckGrouped(raw, maxDecimals);
    const std::string general = gb::FormatGeneralDecimal(Wide(raw));
    Require(!std::isnan(raw) || general == "NAN", "NaN text", raw, general);
    if (IsNormalDouble(raw)) CheckGeneral(raw, false);
  }

  double value = 0;
  if (!TryParse(text, value)) return 0;
  Require(!std::isnan(value) && !std::isinf(value), "parsed a non-finite value", value, text);
  CheckGeneral(value, SignificantDigits(text) <= 15);
  CheckFourDecimals(value);
  CheckGrouped(value, 8);
  return 0;
}
