// The spectrum read at the periods the user names, as a table for a terminal.
#pragma once

#include <span>
#include <string>

#include "report/SaReadings.h"

namespace gb {

// Caption "反应谱值 Sa (g), 场地类别 <class>", a header row (T (s) and the four level labels),
// then one row per reading in the order given: the period, then Sa of the four levels.
std::string FormatSpectrumReadingTable(int siteClass, std::span<const SpectrumReading> readings);

}  // namespace gb
