#include "spectrumfile/SaveSpectrumFile.h"

#include "platform/SafeFileWrite.h"
#include "platform/TextEncoding.h"
#include "platform/TextLineEnd.h"

namespace gb {

std::string SpectrumFileBytes(SpectrumFileFormat format, const SpectrumFileContent& content,
                              std::string_view codePage) {
  const TextEncoder encoder(codePage);
  return encoder.Encode(SpectrumFileText(format, content, kTextLineEnd));
}

void SaveSpectrumFile(const std::filesystem::path& path, SpectrumFileFormat format,
                      const SpectrumFileContent& content, std::string_view codePage) {
  WriteFileSafely(path, SpectrumFileBytes(format, content, codePage));
}

}  // namespace gb
