#include "report/SaReadings.h"

#include "engine/SaAtPeriod.h"
#include "report/ParsePeriodText.h"
#include "text/DecimalFormats.h"
#include "text/Errors.h"
#include "text/ParseDecimalText.h"

namespace gb {

SpectrumReading ReadSpectrum(const ParameterSet& p, int siteClass, double period) {
  SpectrumReading reading;
  // The period as it is shown is the period read: two rows labelled alike never differ.
  reading.periodText = FormatFourDecimals(period);
  try {
    reading.period = ParseDecimalText(reading.periodText);
  } catch (const EOverflow&) {
    reading.period = period;  // near the largest double the text rounds beyond it
  }
  const LevelOrdinates ordinates = SpectrumAtPeriod(p, siteClass, reading.period);
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
