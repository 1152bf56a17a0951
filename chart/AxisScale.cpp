#include "chart/AxisScale.h"

#include <algorithm>
#include <cmath>

#include "extended/ExtendedRounding.h"
#include "text/DecimalFormats.h"
#include "text/DecimalToExtended.h"

namespace gb {

namespace {

constexpr int kMaxTicks = 1000;

// The tick step mantissa * 10^exponent, given 10^|exponent|.
Extended Step(int mantissa, int exponent, const Extended& power) {
  return exponent < 0 ? mantissa / power : mantissa * power;
}

// floor(log10(x)) for a positive finite normal x, or one of its neighbours where x lies within
// about 10^-12 of a power of ten. Either neighbour gives the same scale: the search
// below starts a decade early, whose steps are then all too fine, or a decade late, whose steps
// were all finer than x.
int DecimalExponent(Extended x) {
  const int binary = x.BiasedExponent() - Extended::kBias;
  const double fraction = Extended::FromSignificand(false, x.Significand(), 0).ToDouble();
  return static_cast<int>(std::floor(binary * 0.30102999566398120 + std::log10(fraction)));
}

}  // namespace

std::vector<double> TickValues(const ChartRange& r, int mantissa, int exponent) {
  std::vector<double> ticks;
  const Extended power = detail::PowerOfTen(std::abs(exponent));
  const Extended step = Step(mantissa, exponent, power);
  const Extended first = Ceil(r.Minimum / step);
  const Extended last = Floor(r.Maximum / step);
  if (!first.IsFinite() || !last.IsFinite() || last - first >= Extended(kMaxTicks)) return ticks;
  for (Extended k = first; k <= last; k += Extended(1.0)) {
    const Extended multiple = k * mantissa;
    const double v = (exponent < 0 ? multiple / power : multiple * power).ToDouble();
    if (v < r.Minimum || v > r.Maximum || (!ticks.empty() && v <= ticks.back())) continue;
    ticks.push_back(v);
  }
  return ticks;
}

AxisScale MakeAxisScale(const ChartRange& range, int decimals, int plotLength,
                        const TextMeasure& measure, bool horizontal) {
  AxisScale scale{range, {}, {}};
  const Extended width = Width(range);
  if (plotLength <= 0 || !(width > Extended())) return scale;
  const int minSpacing =
      horizontal ? measure.Width("0") + kBottomLabelGap : measure.LineHeight() + kAxisPad;
  const Extended finest = width * minSpacing / plotLength;
  int exponent = std::max(DecimalExponent(finest), -decimals);
  for (int decade = 0; decade < 40; ++decade, ++exponent) {
    for (const int mantissa : {1, 2, 5}) {
      const Extended step = Step(mantissa, exponent, detail::PowerOfTen(std::abs(exponent)));
      const Extended spacing = step / width * plotLength;
      if (spacing < Extended(minSpacing)) continue;
      std::vector<double> ticks = TickValues(range, mantissa, exponent);
      std::vector<std::string> labels;
      labels.reserve(ticks.size());
      int widest = 0;
      for (const double t : ticks) {
        labels.push_back(FormatGroupedDecimal(t, decimals));
        if (horizontal) widest = std::max(widest, measure.Width(labels.back()));
      }
      if (horizontal && spacing < Extended(widest + kBottomLabelGap)) continue;
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
