// The two ways a batch stops before its last row.
#pragma once

#include <string>

#include "text/Errors.h"

namespace gb {

// The input is not a well-formed comma-separated file: `line` is where the bad record begins.
class EBatchFormat : public Exception {
 public:
  EBatchFormat(long long line, std::string message) : Exception(std::move(message)), line_(line) {}
  long long Line() const { return line_; }

 private:
  long long line_;
};

// The header row cannot be used (a required column missing, a name given twice): the batch was
// asked for wrongly, so not a single row is calculated or written.
class EBatchHeader : public Exception {
  using Exception::Exception;
};

}  // namespace gb
