// The lines of the saved report, before any code page: UTF-8 texts without line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/DesignResponse.h"
#include "engine/ParameterSet.h"
#include "report/ResultGridTexts.h"

namespace gb {

inline constexpr int kReportLineCount = 32 + SpectrumPointCount;

// Line 1: the title naming the standard and the author.
std::string ReportTitleLine();

// Lines 5 to 12, one input each: its caption (without the separating comma) and its text.
struct ReportInputLine {
  std::string caption;
  std::string value;
};
std::vector<ReportInputLine> ReportInputLines(std::string_view pgaItemText,
                                              std::string_view tgZoneItemText,
                                              const ParameterSet& p);

// What a report shows: the two lists' items and the three grids' texts as the window shows them,
// the parameter set, and the site class whose spectra it lists.
struct ReportContent {
  std::string_view pgaItemText;
  std::string_view tgZoneItemText;
  const ParameterSet& p;
  const GridTexts& pga;
  const GridTexts& period;
  const GridTexts& platform;
  SiteClass siteClass;
};

// All report lines. The two list item texts and the three grids are copied as given, never
// recomputed: after an interrupted calculation they may disagree with `p`, and the report shows
// what the window shows. The spectrum lines are computed from `p` for the site class; an
// ordinate fault (EOverflow, EInvalidOp) propagates and no lines are returned.
std::vector<std::string> BuildReportLines(const ReportContent& content);

// The lines as one text, each one (the last one too) ended by CR LF.
std::string JoinReportLines(const std::vector<std::string>& lines);

}  // namespace gb
