// Calculate in the Windows window with its three grids and its chart repainted, timed in the
// window itself: the main window is made and shown as at start-up, then Calculate runs and the
// window paints everything it changed, again and again. Prints the median and the fastest run,
// then the parts.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/win32/Application.h"
#include "ui/win32/Unit1.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain() {
  gb::TApplication application(GetModuleHandleW(nullptr));
  application.Initialize();
  gb::TForm1* form = application.CreateForm<gb::TForm1>();
  ShowWindow(form->Form1, SW_SHOWNORMAL);
  UpdateWindow(form->Form1);

  constexpr int kRuns = 200;
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    form->btn2Click(form->btn2);
    RedrawWindow(form->Form1, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    QueryPerformanceCounter(&end);
    times.push_back(Milliseconds(start, end));
  }
  const auto time = [](auto&& step) {
    std::vector<double> t;
    for (int run = 0; run < 50; ++run) {
      LARGE_INTEGER start, end;
      QueryPerformanceCounter(&start);
      step();
      GdiFlush();
      QueryPerformanceCounter(&end);
      t.push_back(Milliseconds(start, end));
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
  };
  // Its parts, each the median of 50: Calculate without painting, and one paint of each control.
  const auto repaint = [](HWND control) {
    return [control] { RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
  };
  const double calculate = time([&] {
    form->btn2Click(form->btn2);
    ValidateRect(form->cht2->Handle(), nullptr);
  });
  std::printf(
      "parts: Calculate %.2f ms, chart paint %.2f ms, one grid %.2f ms, status bar %.2f ms\n",
      calculate, time(repaint(form->cht2->Handle())), time(repaint(form->strngrd1->Handle())),
      time(repaint(form->rzstsbr2->Handle())));
  std::sort(times.begin(), times.end());
  std::printf(
      "Calculate with grids and chart repainted: median %.2f ms, fastest %.2f ms (%d runs)\n",
      times[times.size() / 2], times.front(), kRuns);
  return 0;
}
