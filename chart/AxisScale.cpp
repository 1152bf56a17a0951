#include "chart/AxisScale.h"

#include <algorithm>
#include <cmath>

#include "text/DecimalFormats.h"

namespace gb {

namespace {

constexpr int kMaxTicks = 1000;

}  // namespace

std::vector<double> TickValues(const ChartRange& r, int mantissa, int exponent) {
  std::vector<double> ticks;
  const long double power = std::pow(10.0L, std::abs(exponent));
  const long double step = exponent < 0 ? mantissa / power : mantissa * power;
  const long double first = std::ceil(r.Minimum / step);
  const long double last = std::floor(r.Maximum / step);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first >= kMaxTicks) return ticks;
  for (long double k = first; k <= last; k += 1) {
    const long double multiple = k * mantissa;
    const double v = static_cast<double>(exponent < 0 ? multiple / power : multiple * power);
    if (v < r.Minimum || v > r.Maximum || (!ticks.empty() && v <= ticks.back())) continue;
    ticks.push_back(v);
  }
  return ticks;
}

AxisScale MakeAxisScale(const ChartRange& range, int decimals, int plotLength,
                        const TextMeasure& measure, bool horizontal) {
  AxisScale scale{range, {}, {}};
  const long double width = Width(range);
  if (plotLength <= 0 || !(width > 0)) return scale;
  const int minSpacing =
      horizontal ? measure.Width("0") + kBottomLabelGap : measure.LineHeight() + kAxisPad;
  const long double finest = width * minSpacing / plotLength;
  int exponent = std::max(static_cast<int>(std::floor(std::log10(finest))), -decimals);
  for (int decade = 0; decade < 40; ++decade, ++exponent) {
    for (const int mantissa : {1, 2, 5}) {
      const long double power = std::pow(10.0L, std::abs(exponent));
      const long double step = exponent < 0 ? mantissa / power : mantissa * power;
      const long double spacing = step / width * plotLength;
      if (spacing < minSpacing) continue;
      std::vector<double> ticks = TickValues(range, mantissa, exponent);
      std::vector<std::string> labels;
      labels.reserve(ticks.size());
      int widest = 0;
      for (const double t : ticks) {
        labels.push_back(FormatGroupedDecimal(t, decimals));
        if (horizontal) widest = std::max(widest, measure.Width(labels.back()));
      }
      if (horizontal && spacing < widest + kBottomLabelGap) continue;
      scale.ticks = std::move(ticks);
      scale.labels = std::move(labels);
      return scale;
    }
  }
  return scale;
}

bool Labelled(const AxisScale& scale) {
  if (scale.ticks.size() < 2) return false;
  std::vector<std::string> labels = scale.labels;
  std::sort(labels.begin(), labels.end());
  return std::adjacent_find(labels.begin(), labels.end()) == labels.end();
}

}  // namespace gb
