// The texts of the chart's read-out at the pointer's period.
#pragma once

#include <optional>
#include <string>

#include "chart/ChartView.h"
#include "engine/ParameterSet.h"

namespace gb {

struct SpectrumReadoutTexts {
  std::string period;               // four decimals
  std::string values[kLevelCount];  // four decimals, or the fault's message; level order
};

// The pointer's period is first written in four decimals, and the four levels are evaluated at
// exactly the period that text shows, so typing the shown period anywhere else in the program
// gives the same values. A level whose ordinate faults shows the fault's message instead of a
// value. Nothing where the shown period is negative (a view scrolled left of zero) or cannot be
// read back; never throws.
std::optional<SpectrumReadoutTexts> SpectrumReadoutAt(const ParameterSet& p, int siteClass,
                                                      double pointerPeriod) noexcept;

// The same as the chart reads it: the period's text and one value text per curve in level order.
std::optional<ChartReading> SpectrumChartReading(const ParameterSet& p, int siteClass,
                                                 double pointerPeriod);

}  // namespace gb
