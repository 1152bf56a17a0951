// The Save Report command shared by the window and the command line, so both write the same
// bytes for the same inputs.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/ParameterSet.h"
#include "report/ReportLines.h"
#include "report/ResultGridTexts.h"

namespace gb {

// The whole report encoded in `codePage`. The code page is checked first (EUnknownCodePage),
// then the lines are built (ordinate faults propagate); see BuildReportLines. `lostLines`, where
// given, names the lines written with "?" for characters the code page cannot hold (LostLines).
std::string ReportBytes(std::string_view codePage, const ReportContent& content,
                        std::string* lostLines = nullptr);

// Writes ReportBytes(...) to `path` with WriteFileSafely. Every error is raised before the file
// is touched or leaves it as it was.
void SaveReport(const std::filesystem::path& path, std::string_view codePage,
                const ReportContent& content);

}  // namespace gb
