#include "report/SaveReport.h"

#include "platform/SafeFileWrite.h"
#include "platform/TextEncoding.h"
#include "report/ReportLines.h"

namespace gb {

std::string ReportBytes(std::string_view codePage, std::string_view pgaItemText,
                        std::string_view tgZoneItemText, const ParameterSet& p,
                        const GridTexts& pga, const GridTexts& period, const GridTexts& platform,
                        int siteClass) {
  const TextEncoder encoder(codePage);
  return encoder.Encode(JoinReportLines(
      BuildReportLines(pgaItemText, tgZoneItemText, p, pga, period, platform, siteClass)));
}

void SaveReport(const std::filesystem::path& path, std::string_view codePage,
                std::string_view pgaItemText, std::string_view tgZoneItemText,
                const ParameterSet& p, const GridTexts& pga, const GridTexts& period,
                const GridTexts& platform, int siteClass) {
  WriteFileSafely(path, ReportBytes(codePage, pgaItemText, tgZoneItemText, p, pga, period, platform,
                                    siteClass));
}

}  // namespace gb
