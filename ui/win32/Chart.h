// The spectrum chart as a Windows control: the charting engine's plot and view, its display list
// drawn with GDI through an off-screen bitmap, and the mouse and wheel handed to the view.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartPlot.h"
#include "chart/ChartView.h"
#include "ui/win32/ChartGdi.h"

namespace gb {

class TApplication;

class TChartSeries {
 public:
  explicit TChartSeries(ChartSeries& series) : series_(series) {}
  void Clear() { series_.Clear(); }
  void AddXY(double x, double y) { series_.AddXY(x, y); }
  int Count() const { return series_.Count(); }

 private:
  ChartSeries& series_;
};

class TChart : private ChartSurface {
 public:
  TChart(TApplication& application, HWND parent, const wchar_t* name);
  ~TChart() override;
  TChart(const TChart&) = delete;
  TChart& operator=(const TChart&) = delete;

  HWND Handle() const { return handle_; }
  TChartSeries* AddSeries(const std::string& titleUtf8, ChartColour colour);
  void SetReader(ChartReader reader);
  const ChartPlot& Plot() const { return plot_; }
  // The chart's menu at a screen position: a right click that moved nothing, or the keyboard.
  std::function<void(POINT)> OnContextMenu;

 private:
  ChartSize Size() const override;
  const ChartFonts& Fonts() const override { return fonts_; }

  template <class Control>
  friend LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void Respond(const ChartResponse& response, LPARAM l);

  TApplication& application_;
  HWND handle_ = nullptr;
  GdiChartFonts fonts_;
  ChartPlot plot_;
  ChartView view_;
  std::vector<std::unique_ptr<TChartSeries>> series_;
  bool tracking_ = false;
  bool redrawPending_ = false;
};

}  // namespace gb
