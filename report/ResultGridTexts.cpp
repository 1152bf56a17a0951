#include "report/ResultGridTexts.h"

namespace gb {

std::string ResultCellText(ResultGrid grid, const ParameterSet& p, int level, int siteClass) {
  switch (grid) {
    case ResultGrid::Pga:
      return FormatFourDecimals(p.FPga[level][siteClass]);
    case ResultGrid::Period:
      return FormatFourDecimals(p.FTg[level][siteClass]);
    case ResultGrid::Platform:
      return FormatFourDecimals(PlatformValue(p, level, siteClass));
  }
  return {};
}

GridTexts MakeResultGrid(ResultGrid grid, const ParameterSet& p) {
  GridTexts texts;
  const auto set = [&texts](int col, int row, std::string text) {
    texts.Cells(col, row) = std::move(text);
  };
  LabelResultGrid(set);
  FillResultGrid(grid, p, set);
  return texts;
}

}  // namespace gb
