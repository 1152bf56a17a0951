// The desktop window's batch command without its dialogs: one CSV of sites read with the
// window's factors as defaults, its results written all or nothing, and what the user is told.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "batch/RunBatch.h"

namespace gb {

// The end of a batch the user does not need to hear of (Done shows "完成!") or must (Problem:
// the message for the error box).
struct WindowBatchOutcome {
  enum class Kind { Done, Cancelled, Problem };
  Kind kind = Kind::Done;
  std::string message;  // UTF-8, for Problem
};

// Shows the progress text; false when the user asked to stop.
using WindowBatchProgress = std::function<bool(const std::string& text)>;

// Reads `input` (its size sets the progress), writes `output` through the safe write and sums
// up failed rows or texts the code page lost. A cancelled batch leaves no results file. Throws
// Exception for an input that cannot be opened ("Cannot open input file …") or is malformed
// ("第 N 行: …"), and whatever the write throws.
WindowBatchOutcome RunWindowBatch(const std::filesystem::path& input,
                                  const std::filesystem::path& output,
                                  const BatchSettings& settings,
                                  const WindowBatchProgress& progress);

}  // namespace gb
