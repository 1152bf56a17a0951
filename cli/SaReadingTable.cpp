#include "cli/SaReadingTable.h"

#include <vector>

#include "cli/TextTable.h"
#include "engine/ZoningTables.h"

namespace gb {

std::string FormatSpectrumReadingTable(int siteClass, std::span<const SpectrumReading> readings) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(readings.size() + 1);
  rows.push_back({"T (s)"});
  for (const char* label : kLevelLabels) rows.front().emplace_back(label);
  for (const SpectrumReading& reading : readings) {
    std::vector<std::string>& row = rows.emplace_back();
    row.push_back(reading.periodText);
    for (const std::string& sa : reading.saTexts) row.push_back(sa);
  }
  std::string caption = "反应谱值 Sa (g), 场地类别 ";
  caption.append(kSiteClassLabels[siteClass]);
  return FormatTextTable(caption, rows);
}

}  // namespace gb
