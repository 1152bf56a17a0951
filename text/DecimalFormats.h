// Number-to-text rules of the grids, the report and the chart axes. UTF-8 results; the
// separators are those in force at the call.
#pragma once

#include <string>

namespace gb {

// Fixed text with exactly four decimals ("0.0360"); grid cells and report spectrum lines.
std::string FormatFourDecimals(long double value);

// General text with at most 15 significant digits ("2.9", "5E-5", "1.23456789012346E17").
std::string FormatGeneralDecimal(long double value);

// Grouped text with at most maxDecimals decimals and no trailing zeros ("1,234.5"); axis labels.
std::string FormatGroupedDecimal(long double value, int maxDecimals);

}  // namespace gb
