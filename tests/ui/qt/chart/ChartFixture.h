// The chart as the main window sets it up and re-plots it, with the default parameter set.
#pragma once

#include <QString>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "engine/DesignResponse.h"
#include "engine/ParameterSet.h"
#include "tests/support/DesignedParameters.h"
#include "ui/qt/chart/TChart.h"

namespace chart_test {

// Parsed once, under the "." separator the suites start with, so that suites which switch the
// separators later still plot the same curves.
inline const gb::ParameterSet& DefaultParameters() {
  static const gb::ParameterSet p = gb::test::DesignedParameterSet();
  return p;
}

// ClearSpectrumSeries followed by PlotSpectra, as the window's handlers do them.
inline void Replot(TChart& chart, int siteClass, const gb::ParameterSet& p = DefaultParameters()) {
  for (int l = 0; l < gb::kLevelCount; ++l) chart.Series(l)->Clear();
  for (int l = 0; l < gb::kLevelCount; ++l)
    for (int i = 0; i < gb::SpectrumPointCount; ++i)
      chart.Series(l)->AddXY(
          gb::SamplePeriod(i),
          gb::SpectrumOrdinate(p, gb::kLevels[l], gb::kSiteClasses[siteClass], i));
}

inline std::unique_ptr<TChart> MakeSpectrumChart() {
  auto chart = std::make_unique<TChart>();
  chart->resize(448, 198);
  const char* titles[] = {"多遇地震动", "基本地震动", "罕遇地震动", "极罕遇地震动"};
  const QColor colours[] = {QColor(0, 128, 0), Qt::red, Qt::blue, Qt::black};
  for (int l = 0; l < 4; ++l) chart->AddSeries(QString::fromUtf8(titles[l]), colours[l]);
  Replot(*chart, gb::scII);
  return chart;
}

inline void ClickLegend(TChart& chart, int row) {
  QTest::mouseClick(&chart, Qt::LeftButton, {}, chart.LegendRowRect(row).center());
}

inline double MaxY(const TChartSeries& s) {
  double m = s.YValue(0);
  for (int i = 1; i < s.Count(); ++i) m = std::max(m, s.YValue(i));
  return m;
}

// Where a value lies in the plot area the chart reports.
inline QPoint Pixel(const TChart& chart, double x, double y) {
  const QRect plot = chart.PlotArea();
  const TChartRange b = chart.BottomAxisRange(), l = chart.LeftAxisRange();
  return {
      plot.x() + qRound((x - b.Minimum) / (b.Maximum - b.Minimum) * plot.width()),
      plot.y() + plot.height() - qRound((y - l.Minimum) / (l.Maximum - l.Minimum) * plot.height())};
}

}  // namespace chart_test
