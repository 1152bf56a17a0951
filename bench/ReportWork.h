// One whole report as the benchmarks time it: the calculation from the window's first texts, the
// three grids' texts, the 273 lines with their 964 spectrum ordinates, and GBK.
#pragma once

#include <string>

#include "engine/ParameterSet.h"
#include "platform/TextEncoding.h"
#include "report/ReportLines.h"
#include "report/ResultGridTexts.h"
#include "tests/support/DesignedParameters.h"
#include "text/NumberSeparators.h"

namespace gb::bench {

struct Grids {
  GridTexts pga;
  GridTexts period;
  GridTexts platform;
};

inline Grids MakeGrids(const ParameterSet& p) {
  return {MakeResultGrid(ResultGrid::Pga, p), MakeResultGrid(ResultGrid::Period, p),
          MakeResultGrid(ResultGrid::Platform, p)};
}

inline std::string GbkReport(const ParameterSet& p, const Grids& grids) {
  return EncodeText(
      JoinReportLines(BuildReportLines(
          {kPgaZoneItems[0], kTgZoneItems[0], p, grids.pga, grids.period, grids.platform, scII})),
      "GBK");
}

inline void UseDotSeparators() {
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
}

inline std::string WholeReport() {
  const ParameterSet p = test::DesignedParameterSet();
  return GbkReport(p, MakeGrids(p));
}

}  // namespace gb::bench
