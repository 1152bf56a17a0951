// The window's costs: one Calculate end to end, building and first showing the window, and the
// whole program's start-up in a fresh process, each with the peak memory of the process that ran
// it. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
// Targets: Calculate (btn2Click) under 2 ms; start-up to the first shown window under 300 ms.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ui/qt/Application.h"
#include "ui/qt/Program.h"
#include "ui/qt/Unit1.h"

namespace {

const char* const kStartupChild = "--startup-child";

gb::TDialogServices SilentServices() {
  gb::TDialogServices services;
  services.MessageBox = [](QWidget*, const QString& text, const QString&, int) {
    std::fprintf(stderr, "error box: %s\n", qPrintable(text));
    return gb::IDOK;
  };
  services.Notice = [](QWidget*, const QString&, const QString&) {};
  services.SaveFileName = [](QWidget*, const gb::TSaveDialogRequest&) {
    return std::optional<QString>();
  };
  services.OpenWebAddress = [](const QString&) {};
  return services;
}

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long PeakRssKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void ReportPeakMemory(benchmark::State& state) {
  state.counters["peak_rss_kB"] = static_cast<double>(PeakRssKilobytes());
}

bool Exposed(QWidget& window) {
  return window.isVisible() && window.windowHandle() != nullptr &&
         window.windowHandle()->isExposed();
}

void WaitExposed(QWidget& window) {
  while (!Exposed(window)) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Calculate as the button runs it, on the shown window; the repaint it causes comes afterwards,
// in the event loop, and is measured apart.
void BM_Calculate(benchmark::State& state) {
  gb::TApplication application(QStringLiteral("gb18306"), SilentServices());
  application.Initialize();
  gb::TForm1& form = *application.CreateForm<gb::TForm1>();
  form.show();
  WaitExposed(form);
  for (auto _ : state) form.btn2->click();
  ReportPeakMemory(state);
}
BENCHMARK(BM_Calculate)->Unit(benchmark::kMicrosecond);

void BM_CalculateAndRepaint(benchmark::State& state) {
  gb::TApplication application(QStringLiteral("gb18306"), SilentServices());
  application.Initialize();
  gb::TForm1& form = *application.CreateForm<gb::TForm1>();
  form.show();
  WaitExposed(form);
  for (auto _ : state) {
    form.btn2->click();
    form.repaint();
  }
  ReportPeakMemory(state);
}
BENCHMARK(BM_CalculateAndRepaint)->Unit(benchmark::kMicrosecond);

// Building the window (labels, first calculation, plot) and showing it, in a running program.
void BM_ConstructAndShow(benchmark::State& state) {
  for (auto _ : state) {
    gb::TApplication application(QStringLiteral("gb18306"), SilentServices());
    application.Initialize();
    gb::TForm1& form = *application.CreateForm<gb::TForm1>();
    form.show();
    WaitExposed(form);
  }
  ReportPeakMemory(state);
}
BENCHMARK(BM_ConstructAndShow)->Unit(benchmark::kMillisecond);

// A fresh process through the program's own start-up sequence, from the moment it is spawned to
// its window being shown; the child reports the time and its own peak memory.
void BM_ProcessStartup(benchmark::State& state) {
  const QString self = QCoreApplication::applicationFilePath();
  double childPeak = 0;
  for (auto _ : state) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(self,
                {QString::fromLatin1(kStartupChild), QString::number(MonotonicNanoseconds())});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
      state.SkipWithError("start-up child failed");
      break;
    }
    long long nanoseconds = 0;
    long peak = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%lld %ld", &nanoseconds, &peak) !=
        2) {
      state.SkipWithError("start-up child reported nothing");
      break;
    }
    state.SetIterationTime(static_cast<double>(nanoseconds) * 1e-9);
    childPeak = static_cast<double>(peak);
  }
  state.counters["child_peak_rss_kB"] = childPeak;
}
BENCHMARK(BM_ProcessStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The child side: the program's start-up sequence; once the window is shown and exposed it
// prints the time since `spawnedAt` and its peak memory, and closes the window.
int StartupChild(int argc, char** argv) {
  const long long spawnedAt = std::atoll(argv[2]);
  QApplication toolkit(argc, argv);
  gb::TApplication application(QStringLiteral("gb18306"), SilentServices());
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* form = application.MainForm();
    if (form == nullptr || !Exposed(*form)) return;
    const long long elapsed = MonotonicNanoseconds() - spawnedAt;
    std::printf("%lld %ld\n", elapsed, PeakRssKilobytes());
    std::fflush(stdout);
    poll.stop();
    form->close();
  });
  poll.start(0);
  return gb::RunProgram(application);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc >= 3 && std::strcmp(argv[1], kStartupChild) == 0) return StartupChild(argc, argv);
  QApplication toolkit(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
