// The batch in the page's worker: the command line's own batch, its output and messages handed to
// the worker's script piece by piece, so that neither the input nor the output is held whole.
#pragma once

#include <string>

namespace gb {

void AddBatchArgument(std::string text);
// Runs gb18306-cli with the arguments added since the last run; its exit status. `complete`:
// whether the output it handed over is whole (the batch ran to its end).
int RunBatchArguments(bool& complete);

}  // namespace gb
