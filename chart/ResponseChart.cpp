#include "chart/ResponseChart.h"

#include "engine/DesignResponse.h"
#include "engine/PlottedCurves.h"

namespace gb {

namespace {

constexpr ChartColour kCurveColours[kLevelCount] = {
    {0, 128, 0}, {255, 0, 0}, {0, 0, 255}, {0, 0, 0}};

}  // namespace

SpectrumCurveStyle SpectrumCurve(int level) { return {kLevelLabels[level], kCurveColours[level]}; }

void AddSpectrumSeries(ChartPlot& plot) {
  for (int level = 0; level < kLevelCount; ++level) {
    const SpectrumCurveStyle style = SpectrumCurve(level);
    plot.AddSeries(style.title, style.colour);
  }
}

void PlotSpectrumSeries(ChartPlot& plot, const ParameterSet& p, int siteClass) {
  for (int level = 0; level < kLevelCount; ++level) plot.Series(level)->Clear();
  ForEachSpectrumPoint(
      p, static_cast<SiteClass>(siteClass),
      [&plot](int level, double period, double sa) { plot.Series(level)->AddXY(period, sa); });
}

}  // namespace gb
