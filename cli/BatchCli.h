// gb18306-cli --batch: many sites from a CSV file.
#pragma once

#include <ostream>
#include <string>

#include "cli/CliMessages.h"
#include "cli/CommandLine.h"

namespace gb {

// What a batch run needs beyond the options: the code page of the CSV output, and whether
// standard error is a terminal that can show a progress line.
struct BatchCliContext {
  std::string outputCodePage;
  bool progressLine = false;
};

// A usage problem of the batch options that is known before any input is read (an unknown or
// unfit input code page); empty when there is none. `argumentCodePage`: the one the options
// were typed in.
std::string BatchUsageProblem(const CliOptions& options, std::string_view argumentCodePage);

// Runs the batch of `options` (factor texts in UTF-8) and returns the exit status: 0, 1 when a
// row failed, the input is malformed or a file cannot be read or written, 2 when the header
// cannot be used (nothing is written then). `messages` get "line N: message" for each failed
// row.
int RunBatchCli(const CliOptions& options, const BatchCliContext& context, std::ostream& out,
                CliMessages& messages);

}  // namespace gb
