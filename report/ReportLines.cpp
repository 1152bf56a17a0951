#include "report/ReportLines.h"

#include "report/Author.h"
#include "text/DecimalFormats.h"

namespace gb {

namespace {

// Input lines 7 to 12: caption and the factor it shows.
struct FactorLine {
  const char* caption;
  double ParameterSet::*factor;
};
constexpr FactorLine kFactorLines[] = {
    {"II类场地极罕遇地震动峰值加速度缩放系数K1", &ParameterSet::FK1},
    {"II类场地罕遇地震动峰值加速度缩放系数K2", &ParameterSet::FK2},
    {"II类场地多遇地震动峰值加速度缩放系数K3", &ParameterSet::FK3},
    {"罕遇地震动加速度反应谱特征周期增加值(s)", &ParameterSet::FRareTgIncrement},
    {"极罕遇地震动加速度反应谱特征周期增加值(s)", &ParameterSet::FVeryRareTgIncrement},
    {"地震动加速度放大系数反应谱的平台值(s)", &ParameterSet::FBetaMax},
};

// Levels in the column order of a spectrum line.
constexpr Level kSpectrumLevels[] = {lvFrequent, lvBasic, lvRare, lvVeryRare};

}  // namespace

std::string ReportTitleLine() {
  // ASCII only: the window may run under a locale whose toupper maps 'i' elsewhere.
  std::string address = AuthorWebAddress;
  for (std::size_t i = 0; i < 3 && i < address.size(); ++i) {
    if (address[i] >= 'a' && address[i] <= 'z')
      address[i] = static_cast<char>(address[i] - 'a' + 'A');
  }
  return std::string("GB 18306-2015《地震动参数区划图》地震动参数计算 (by ") + AuthorName + " " +
         address + ")";
}

std::vector<ReportInputLine> ReportInputLines(std::string_view pgaItemText,
                                              std::string_view tgZoneItemText,
                                              const ParameterSet& p) {
  std::vector<ReportInputLine> inputs;
  inputs.reserve(8);
  inputs.push_back({"II类场地地震动峰值加速度(g)", std::string(pgaItemText)});
  inputs.push_back({"II类场地地震动加速度反应谱特征周期(s)", std::string(tgZoneItemText)});
  for (const FactorLine& line : kFactorLines) {
    inputs.push_back({line.caption, FormatGeneralDecimal(p.*line.factor)});
  }
  return inputs;
}

namespace {

std::string Concat(std::string_view caption, std::string_view value) {
  std::string line;
  line.reserve(caption.size() + value.size());
  line.append(caption).append(value);
  return line;
}

// Every cell, the last one too, is followed by a comma.
std::string GridRowLine(const GridTexts& grid, int row) {
  std::string line;
  for (int col = 0; col < kGridColumns; ++col) line.append(grid.Cells(col, row)).push_back(',');
  return line;
}

void AppendGrid(std::vector<std::string>& lines, const char* caption, const GridTexts& grid) {
  lines.emplace_back(caption);
  for (int row = 0; row < kGridRows; ++row) lines.push_back(GridRowLine(grid, row));
}

std::string SpectrumLine(const ParameterSet& p, SiteClass siteClass, int i) {
  std::string line = FormatFourDecimals(SamplePeriod(i));
  for (const Level level : kSpectrumLevels) {
    line.push_back(',');
    line.append(FormatFourDecimals(SpectrumOrdinate(p, level, siteClass, i)));
  }
  return line;
}

}  // namespace

std::vector<std::string> BuildReportLines(const ReportContent& content) {
  const auto& [pgaItemText, tgZoneItemText, p, pga, period, platform, siteClass] = content;
  std::vector<std::string> lines;
  lines.reserve(kReportLineCount);
  lines.push_back(ReportTitleLine());
  lines.emplace_back();
  lines.emplace_back();
  lines.emplace_back("输入参数");
  for (const ReportInputLine& input : ReportInputLines(pgaItemText, tgZoneItemText, p)) {
    lines.push_back(Concat(input.caption + ",", input.value));
  }
  AppendGrid(lines, "地震动峰值加速度计算结果(g)", pga);
  AppendGrid(lines, "地震动峰值加速度反应谱特征周期计算结果(s)", period);
  AppendGrid(lines, "地震动加速度反应谱平台值(g)", platform);
  lines.emplace_back("反应谱");
  lines.emplace_back(
      "周期(s),多遇地震加速度谱(g),基本地震加速度谱(g),罕遇地震加速度谱(g),极罕遇地震加速度谱");
  for (int i = 0; i < SpectrumPointCount; ++i) lines.push_back(SpectrumLine(p, siteClass, i));
  return lines;
}

std::string JoinReportLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

}  // namespace gb
