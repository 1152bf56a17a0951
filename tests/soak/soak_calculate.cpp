// Soak run: the shown window (offscreen, recorders for the boxes) through thousands of Calculate
// and site-class changes, every tenth with a rejected text and every hundredth with a Save data.
// Prints the resident set size and the open file descriptors as it goes and fails when the
// second half of the run still adds memory, or any descriptor stays open.
//
//   gb18306-soak [CYCLES [REPORT_EVERY]]     (defaults 10000 and 1000)
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/ui/qt/UiTestSupport.h"

namespace {

// Resident set size in KiB, from the kernel's own accounting.
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

long OpenDescriptors() {
  long count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

// Inputs the cycles go round: ordinary values, the extremes that still calculate, and a text
// that is rejected half-way through the command.
struct Inputs {
  const char* k1;
  const char* k2;
  const char* rareIncrement;
  const char* betaMax;
};
constexpr Inputs kRounds[] = {
    {"2.9", "1.9", "0.05", "2.5"},  {"3.1", "2.0", "0.1", "2.25"},  {"1e308", "1.9", "0.05", "2.5"},
    {"2.9", "1e-320", "0", "0"},    {"-4", "1.9", "1e308", "-2.5"}, {"2.9", "1.9", "0.05", "1e308"},
    {"2.9", "1.9", "-0.02", "2.5"}, {"0", "0", "0.05", "2.5"},      {"2.9", "1.9", "0.05", "2.5"},
    {"2.9", "abc", "0.05", "2.5"},
};

}  // namespace

int main(int argc, char** argv) {
  QApplication toolkit(argc, argv);
  const long cycles = argc > 1 ? std::atol(argv[1]) : 10000;
  const long every = argc > 2 ? std::atol(argv[2]) : 1000;
  if (cycles < 2 || every < 1) {
    std::fprintf(stderr, "usage: gb18306-soak [CYCLES [REPORT_EVERY]]\n");
    return 2;
  }
  QTemporaryDir folder;
  if (!folder.isValid()) return 2;
  const QString reportPath = folder.filePath(QStringLiteral("soak.csv"));

  gb::test::Program program;
  gb::TForm1& form = *program.form;
  form.show();
  QCoreApplication::processEvents();

  long boxes = 0, saves = 0;
  const long firstRss = ResidentKiB(), firstFds = OpenDescriptors();
  const long half = cycles / 2;
  long halfRss = firstRss;
  QElapsedTimer clock;
  clock.start();
  std::printf("%8s %10s %6s %8s %8s\n", "cycle", "RSS KiB", "fds", "boxes", "seconds");
  std::printf("%8d %10ld %6ld %8d %8.1f\n", 0, firstRss, firstFds, 0, 0.0);
  for (long cycle = 1; cycle <= cycles; ++cycle) {
    const Inputs& in = kRounds[cycle % std::size(kRounds)];
    form.cbb1->setCurrentIndex(static_cast<int>(cycle % form.cbb1->count()));
    form.cbb2->setCurrentIndex(static_cast<int>(cycle / 7 % form.cbb2->count()));
    form.edt1->setText(QString::fromLatin1(in.k1));
    form.edt2->setText(QString::fromLatin1(in.k2));
    form.edt4->setText(QString::fromLatin1(in.rareIncrement));
    form.edt6->setText(QString::fromLatin1(in.betaMax));
    form.btn2->click();
    const int site = static_cast<int>(cycle % form.cbb3->count());
    form.cbb3->setCurrentIndex(site);
    emit form.cbb3->activated(site);
    if (cycle % 100 == 0) {
      program.recorder.saveAnswers.push_back(reportPath);
      form.btn3->click();
      saves += static_cast<long>(program.recorder.notices.size());
    }
    // The chart and the grids repaint as they would between two clicks of the user.
    QCoreApplication::processEvents();
    boxes += static_cast<long>(program.recorder.errorBoxes.size());
    program.recorder.errorBoxes.clear();
    program.recorder.notices.clear();
    program.recorder.saveRequests.clear();

    if (cycle == half) halfRss = ResidentKiB();
    if (cycle % every == 0 || cycle == cycles) {
      std::printf("%8ld %10ld %6ld %8ld %8.1f\n", cycle, ResidentKiB(), OpenDescriptors(), boxes,
                  clock.elapsed() / 1e3);
      std::fflush(stdout);
    }
  }
  const long lastRss = ResidentKiB(), lastFds = OpenDescriptors();
  // Allocator and Qt caches settle in the first half; what the second half adds is growth per
  // cycle. Under AddressSanitizer freed blocks sit in quarantine and the resident size says
  // nothing; LeakSanitizer at exit is the judge there.
  const long growth = lastRss - halfRss;
  const double perCycle = static_cast<double>(growth) * 1024 / static_cast<double>(cycles - half);
  std::printf(
      "RSS %ld KiB first, %ld KiB at cycle %ld, %ld KiB last: %+ld KiB over the second "
      "half (%.1f bytes per cycle); fds %ld first, %ld last; %ld error boxes, %ld reports "
      "saved\n",
      firstRss, halfRss, half, lastRss, growth, perCycle, firstFds, lastFds, boxes, saves);
#ifdef __SANITIZE_ADDRESS__
  constexpr bool kJudgeResidentSize = false;
#else
  constexpr bool kJudgeResidentSize = true;
#endif
  // Well above the page-sized steps of the allocator, well below one leaked curve per cycle.
  constexpr long kAllowedGrowthKiB = 256;
  if ((kJudgeResidentSize && growth > kAllowedGrowthKiB) || lastFds != firstFds) {
    std::printf("FAIL: memory or descriptors keep growing\n");
    return 1;
  }
  std::printf("stable\n");
  return 0;
}
