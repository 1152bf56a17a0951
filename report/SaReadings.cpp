#include "report/SaReadings.h"

#include "engine/SaAtPeriod.h"
#include "report/ParsePeriodText.h"
#include "text/DecimalFormats.h"

namespace gb {

SpectrumReading ReadSpectrum(const ParameterSet& p, int siteClass, double period) {
  const LevelOrdinates ordinates = SpectrumAtPeriod(p, siteClass, period);
  SpectrumReading reading;
  reading.period = period;
  reading.periodText = FormatFourDecimals(period);
  for (int level = 0; level < kLevelCount; ++level) {
    reading.sa[level] = ordinates.sa[level];
    reading.saTexts[level] = FormatFourDecimals(ordinates.sa[level]);
  }
  return reading;
}

std::vector<SpectrumReading> ReadSpectrumAtTexts(const ParameterSet& p, int siteClass,
                                                 std::span<const std::string> periodTexts) {
  std::vector<SpectrumReading> readings;
  readings.reserve(periodTexts.size());
  for (const std::string& text : periodTexts) {
    readings.push_back(ReadSpectrum(p, siteClass, ParsePeriodText(text)));
  }
  return readings;
}

}  // namespace gb
