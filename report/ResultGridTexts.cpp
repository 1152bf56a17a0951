#include "report/ResultGridTexts.h"


namespace gb {

Extended ResultCellValue(ResultGrid grid, const ParameterSet& p, int level, int siteClass) {
  switch (grid) {
    case ResultGrid::Pga:
      return Extended(p.FPga[level][siteClass]);
    case ResultGrid::Period:
      return Extended(p.FTg[level][siteClass]);
    case ResultGrid::Platform:
      break;
  }
  return PlatformValue(p, level, siteClass);
}

std::string ResultCellText(ResultGrid grid, const ParameterSet& p, int level, int siteClass) {
  return FormatFourDecimals(ResultCellValue(grid, p, level, siteClass));
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
