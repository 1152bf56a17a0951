#include "spectrumfile/SaveSpectrumFile.h"

#include "platform/SafeFileWrite.h"
#include "platform/TextEncoding.h"
#include "platform/TextLineEnd.h"
#include "report/LostLines.h"

namespace gb {

std::string SpectrumFileBytes(SpectrumFileFormat format, const SpectrumFileContent& content,
                              std::string_view codePage, std::string* lostLines) {
  const TextEncoder encoder(codePage);
  const std::string text = SpectrumFileText(format, content, kTextLineEnd);
  if (lostLines == nullptr) return encoder.Encode(text);
  return EncodeNamingLostLines(text, codePage, *lostLines);
}

void SaveSpectrumFile(const std::filesystem::path& path, SpectrumFileFormat format,
                      const SpectrumFileContent& content, std::string_view codePage) {
  WriteFileSafely(path, SpectrumFileBytes(format, content, codePage));
}

}  // namespace gb
