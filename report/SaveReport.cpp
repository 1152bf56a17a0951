#include "report/SaveReport.h"

#include "platform/SafeFileWrite.h"
#include "platform/TextEncoding.h"
#include "report/LostLines.h"
#include "report/ReportLines.h"

namespace gb {

std::string ReportBytes(std::string_view codePage, const ReportContent& content,
                        std::string* lostLines) {
  const TextEncoder encoder(codePage);
  const std::string text = JoinReportLines(BuildReportLines(content));
  if (lostLines == nullptr) return encoder.Encode(text);
  return EncodeNamingLostLines(text, codePage, *lostLines);
}

void SaveReport(const std::filesystem::path& path, std::string_view codePage,
                const ReportContent& content) {
  WriteFileSafely(path, ReportBytes(codePage, content));
}

}  // namespace gb
