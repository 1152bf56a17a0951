// What the window says about a finished batch, and where it proposes to put the results.
#pragma once

#include <string>
#include <string_view>

#include "batch/RunBatch.h"

namespace gb {

// "<count> 行出错; 第 <line> 行: <message>" for a batch with failed rows, the message being the
// first failed row's as the error box shows it.
std::string FailedRowsText(const BatchSummary& summary);

// The results beside their input: "<input without its extension>-结果.csv". Only an extension of
// the file name itself is dropped, never a dot of a folder's name.
std::string ResultFileName(std::string_view inputPath);

// "Cannot open file "<name>". <system text>" for an input that cannot be read.
std::string CannotOpenInputText(std::string_view name, int error);

}  // namespace gb
