#include "export/ResponseChart.h"

#include <QString>

#include "engine/DesignResponse.h"

namespace gb {

SpectrumCurveStyle SpectrumCurve(int level) {
  static const QColor kColours[kLevelCount] = {QColor(0, 128, 0), QColor(255, 0, 0),
                                               QColor(0, 0, 255), QColor(0, 0, 0)};
  return {kLevelLabels[level], kColours[level]};
}

void AddSpectrumSeries(ChartPlot& plot) {
  for (int level = 0; level < kLevelCount; ++level) {
    const SpectrumCurveStyle style = SpectrumCurve(level);
    plot.AddSeries(QString::fromUtf8(style.title), style.color);
  }
}

void PlotSpectrumSeries(ChartPlot& plot, const ParameterSet& p, int siteClass) {
  for (int level = 0; level < kLevelCount; ++level) plot.Series(level)->Clear();
  for (int level = 0; level < kLevelCount; ++level) {
    ChartSeries& series = *plot.Series(level);
    for (int i = 0; i < SpectrumPointCount; ++i) {
      series.AddXY(SamplePeriod(i), SpectrumOrdinate(p, level, siteClass, i));
    }
  }
}

}  // namespace gb
