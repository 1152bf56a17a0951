// Signals while a report is saved: none may leave a temporary file behind or end the process
// without a word.
#pragma once

#include <signal.h>

namespace gb {

// For the lifetime of a save: SIGXFSZ is ignored, so a file-size limit fails the write (EFBIG)
// instead of ending the process; SIGINT, SIGTERM, SIGHUP and SIGPIPE first remove the
// temporary files named by MarkTemporaryName, then end the process as they would have, so its
// exit status still names the signal. Signals the process ignores or handles itself are left
// alone. Saves do not nest and run on one thread at a time.
class SaveSignals {
 public:
  SaveSignals();
  ~SaveSignals();
  SaveSignals(const SaveSignals&) = delete;
  SaveSignals& operator=(const SaveSignals&) = delete;
};

// Holds SIGINT, SIGTERM, SIGHUP and SIGPIPE back from the calling thread for its lifetime, so a
// file is created or renamed and marked or forgotten as one step.
class HeldSignals {
 public:
  HeldSignals();
  ~HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

 private:
  sigset_t previous_;
};

// How many named temporary files the signal handler can remove at once: one per file of the
// largest set saved together.
inline constexpr int kTemporarySlots = 8;

// A temporary file the signal handler removes; returns its slot, or -1 when the path does not
// fit the buffer or every slot is taken. Call both only while HeldSignals is in force.
int MarkTemporaryName(const char* path);
void ForgetTemporaryName(int slot);

}  // namespace gb
