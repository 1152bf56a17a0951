#include "platform/posix/SaveSignals.h"

#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <string.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>

namespace gb {

namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
constexpr std::size_t kSignalCount = sizeof kEndingSignals / sizeof kEndingSignals[0];

// Written only with the signals held back from this thread, read only by the handler, which may
// run on another thread: each slot's flag publishes its name. A set of files saved together has
// one temporary file each.
char g_temporaryNames[kTemporarySlots][PATH_MAX];
std::atomic<bool> g_temporaryNamed[kTemporarySlots];
static_assert(std::atomic<bool>::is_always_lock_free, "the handler may not wait for a lock");
struct sigaction g_previous[kSignalCount];
bool g_installed[kSignalCount];
struct sigaction g_previousFileSize;

sigset_t EndingSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kEndingSignals) sigaddset(&set, signal);
  return set;
}

// Only async-signal-safe calls: unlink, sigaction, raise. The signal is blocked while the
// handler runs, so the raised one is delivered with the default action as soon as it returns.
extern "C" void RemoveTemporaryAndEnd(int signal) {
  for (int slot = 0; slot < kTemporarySlots; ++slot) {
    if (g_temporaryNamed[slot].exchange(false, std::memory_order_acquire)) {
      ::unlink(g_temporaryNames[slot]);
    }
  }
  struct sigaction byDefault;
  memset(&byDefault, 0, sizeof byDefault);
  byDefault.sa_handler = SIG_DFL;
  sigemptyset(&byDefault.sa_mask);
  ::sigaction(signal, &byDefault, nullptr);
  ::raise(signal);
}

bool IsDefault(const struct sigaction& action) {
  return !(action.sa_flags & SA_SIGINFO) && action.sa_handler == SIG_DFL;
}

}  // namespace

SaveSignals::SaveSignals() {
  struct sigaction ignore;
  memset(&ignore, 0, sizeof ignore);
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, &g_previousFileSize);

  struct sigaction cleanUp;
  memset(&cleanUp, 0, sizeof cleanUp);
  cleanUp.sa_handler = RemoveTemporaryAndEnd;
  cleanUp.sa_mask = EndingSignals();
  for (std::size_t i = 0; i < kSignalCount; ++i) {
    g_installed[i] = false;
    if (::sigaction(kEndingSignals[i], nullptr, &g_previous[i]) != 0) continue;
    // A shell's nohup or the program's own handler has the say over such a signal.
    if (!IsDefault(g_previous[i])) continue;
    g_installed[i] = ::sigaction(kEndingSignals[i], &cleanUp, nullptr) == 0;
  }
}

SaveSignals::~SaveSignals() {
  for (std::size_t i = 0; i < kSignalCount; ++i) {
    if (g_installed[i]) ::sigaction(kEndingSignals[i], &g_previous[i], nullptr);
  }
  ::sigaction(SIGXFSZ, &g_previousFileSize, nullptr);
}

HeldSignals::HeldSignals() {
  const sigset_t held = EndingSignals();
  ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

HeldSignals::~HeldSignals() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

int MarkTemporaryName(const char* path) {
  const std::size_t length = strlen(path);
  if (length >= PATH_MAX) return -1;
  for (int slot = 0; slot < kTemporarySlots; ++slot) {
    if (g_temporaryNamed[slot].load(std::memory_order_relaxed)) continue;
    memcpy(g_temporaryNames[slot], path, length + 1);
    g_temporaryNamed[slot].store(true, std::memory_order_release);
    return slot;
  }
  return -1;
}

void ForgetTemporaryName(int slot) {
  if (slot >= 0) g_temporaryNamed[slot].store(false, std::memory_order_release);
}

}  // namespace gb
