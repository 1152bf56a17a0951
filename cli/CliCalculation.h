// The Calculate command for the command line.
#pragma once

#include <string_view>

#include "cli/CommandLine.h"
#include "engine/ParameterSet.h"

namespace gb {

// The options' texts through CalculateFromTexts, then the spectra of the options' site class
// evaluated as the window plots them after calculating: the first rejected text or arithmetic
// fault stops the run with the error the window would show.
ParameterSet CalculateParameters(const CliOptions& options);

// The options with their six factor texts and their period texts decoded from `codePage` (the
// character set they were typed in) into UTF-8, so that a rejected text is shown as typed.
CliOptions WithUtf8Texts(CliOptions options, std::string_view codePage);

}  // namespace gb
