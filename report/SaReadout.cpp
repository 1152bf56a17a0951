#include "report/SaReadout.h"

#include <iterator>
#include <utility>

#include "engine/SaAtPeriod.h"
#include "text/DecimalFormats.h"
#include "text/Errors.h"
#include "text/ParseDecimalText.h"

namespace gb {

std::optional<SpectrumReadoutTexts> SpectrumReadoutAt(const ParameterSet& p, int siteClass,
                                                      double pointerPeriod) noexcept {
  try {
    SpectrumReadoutTexts texts;
    texts.period = FormatFourDecimals(pointerPeriod);
    // Read back with the separators that wrote it; "-0.0000" never occurs, a tiny negative
    // pointer period shows and reads as zero.
    const double shown = ParseDecimalText(texts.period);
    if (shown < 0) return std::nullopt;
    for (int level = 0; level < kLevelCount; ++level) {
      try {
        texts.values[level] = FormatFourDecimals(SpectrumOrdinateAt(p, level, siteClass, shown));
      } catch (const Exception& e) {
        texts.values[level] = e.Message();
      }
    }
    return texts;
  } catch (...) {
    // A period near the end of the double range whose text reads back as an overflow, or no
    // memory for the texts: no read-out rather than an error out of a paint.
    return std::nullopt;
  }
}

std::optional<ChartReading> SpectrumChartReading(const ParameterSet& p, int siteClass,
                                                 double pointerPeriod) {
  std::optional<SpectrumReadoutTexts> texts = SpectrumReadoutAt(p, siteClass, pointerPeriod);
  if (!texts) return std::nullopt;
  return ChartReading{std::move(texts->period),
                      {std::begin(texts->values), std::end(texts->values)}};
}

}  // namespace gb
