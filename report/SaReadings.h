// Sa of the four levels at periods the user names: the numbers and their four-decimal texts, for
// every caller that prints or writes them (tables, JSON documents, batch rows).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/ParameterSet.h"

namespace gb {

struct SpectrumReading {
  double period = 0;       // s, as periodText shows it
  std::string periodText;  // four decimals, as the report writes its periods
  double sa[kLevelCount] = {};
  std::string saTexts[kLevelCount];  // four decimals, level order
};

// The reading at one period, which must not be negative. The period is first written in four
// decimals and the spectrum read at exactly what that text shows, as the chart's read-out does,
// so the printed period and its Sa always belong together. Faults of the spectrum (EInvalidOp,
// EOverflow) propagate.
SpectrumReading ReadSpectrum(const ParameterSet& p, int siteClass, double period);

// The readings at the given period texts, in their order. Each text is read by ParsePeriodText
// and its spectrum evaluated before the next text is looked at, so the first rejected text or
// fault stops the whole list with its error. An empty text is not a number; a batch that leaves
// the columns empty for an empty cell does not call this for it.
std::vector<SpectrumReading> ReadSpectrumAtTexts(const ParameterSet& p, int siteClass,
                                                 std::span<const std::string> periodTexts);

}  // namespace gb
