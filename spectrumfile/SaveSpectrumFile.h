// A spectrum function file as it is written: in a code page, with the system's line ends, all or
// nothing.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "spectrumfile/SpectrumFile.h"

namespace gb {

// The file's bytes in `codePage` with this system's line ends (CSV: CR LF). The code page is
// checked first (EUnknownCodePage), then the spectrum's faults propagate. `lostLines`, where
// given, names the lines written with "?" for characters the code page cannot hold.
std::string SpectrumFileBytes(SpectrumFileFormat format, const SpectrumFileContent& content,
                              std::string_view codePage, std::string* lostLines = nullptr);

// Writes SpectrumFileBytes to `path` with the safe write: every error leaves the file as it was.
void SaveSpectrumFile(const std::filesystem::path& path, SpectrumFileFormat format,
                      const SpectrumFileContent& content, std::string_view codePage);

}  // namespace gb
