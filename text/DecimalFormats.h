// Number-to-text rules of the grids, the report and the chart axes. UTF-8 results; the
// separators are those in force at the call.
#pragma once

#include <string>

#include "extended/Extended.h"

namespace gb {

// Each takes the extended value itself, or a double, which is widened exactly.

// Fixed text with exactly four decimals ("0.0360"); grid cells and report spectrum lines.
std::string FormatFourDecimals(Extended value);
inline std::string FormatFourDecimals(double value) { return FormatFourDecimals(Extended(value)); }

// General text with at most 15 significant digits ("2.9", "5E-5", "1.23456789012346E17").
std::string FormatGeneralDecimal(Extended value);
inline std::string FormatGeneralDecimal(double value) {
  return FormatGeneralDecimal(Extended(value));
}

// Grouped text with at most maxDecimals decimals and no trailing zeros ("1,234.5"); axis labels.
std::string FormatGroupedDecimal(Extended value, int maxDecimals);
inline std::string FormatGroupedDecimal(double value, int maxDecimals) {
  return FormatGroupedDecimal(Extended(value), maxDecimals);
}

}  // namespace gb
