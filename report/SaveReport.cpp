#include "report/SaveReport.h"

#include "platform/SafeFileWrite.h"
#include "platform/TextEncoding.h"
#include "report/LostLines.h"
#include "report/ReportLines.h"

namespace gb {

std::string ReportBytes(std::string_view codePage, std::string_view pgaItemText,
                        std::string_view tgZoneItemText, const ParameterSet& p,
                        const GridTexts& pga, const GridTexts& period, const GridTexts& platform,
                        int siteClass, std::string* lostLines) {
  const TextEncoder encoder(codePage);
  const std::string text = JoinReportLines(
      BuildReportLines(pgaItemText, tgZoneItemText, p, pga, period, platform, siteClass));
  if (lostLines == nullptr) return encoder.Encode(text);
  return EncodeNamingLostLines(text, codePage, *lostLines);
}

void SaveReport(const std::filesystem::path& path, std::string_view codePage,
                std::string_view pgaItemText, std::string_view tgZoneItemText,
                const ParameterSet& p, const GridTexts& pga, const GridTexts& period,
                const GridTexts& platform, int siteClass) {
  WriteFileSafely(path, ReportBytes(codePage, pgaItemText, tgZoneItemText, p, pga, period, platform,
                                    siteClass));
}

}  // namespace gb
