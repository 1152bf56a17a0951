// The chart of the four design response spectra: its series as the window shows them, and a
// re-plot from a parameter set.
#pragma once

#include "chart/ChartPlot.h"
#include "engine/ParameterSet.h"

namespace gb {

// Legend text and colour of the curve of `level`.
struct SpectrumCurveStyle {
  const char* title;  // UTF-8
  ChartColour colour;
};
SpectrumCurveStyle SpectrumCurve(int level);

// Adds the four empty, shown curves in level order.
void AddSpectrumSeries(ChartPlot& plot);

// Empties the four curves and appends the 241 samples of each level for `siteClass`, as the
// window's re-plot does. Non-finite ordinates are appended as they are and left undrawn.
void PlotSpectrumSeries(ChartPlot& plot, const ParameterSet& p, int siteClass);

}  // namespace gb
