#include "sheet/SheetMethod.h"

#include "engine/DesignResponse.h"
#include "engine/SiteAdjustment.h"
#include "text/DecimalFormats.h"
#include "text/Utf8.h"

namespace gb {

const char* const kStandardName = "GB 18306-2015《中国地震动参数区划图》";

namespace {

std::string General(double value) { return FormatGeneralDecimal(value); }

}  // namespace

std::vector<std::string> SheetMethodLines(const ParameterSet& p) {
  const std::string t0 = General(RiseEndPeriod), betaMax = General(p.FBetaMax);
  const std::string gamma = General(DecayExponent);
  return {
      std::string("依据 ") + kStandardName + "。",
      "设计反应谱: Sa(T) = A·[1 + (βm − 1)·T/T0], 0 ≤ T < T0; Sa(T) = βm·A, T0 ≤ T ≤ Tg; "
      "Sa(T) = βm·A·(Tg/T)^γ, T > Tg; 其中 T0 = " +
          t0 + " s, βm = " + betaMax + ", γ = " + gamma + "。",
      "峰值加速度: A = Fa × A(II), Fa 由该水准的 II 类场地值按场地类别插值 (见右表); A(II): "
      "多遇 = K3·α = " +
          General(p.FK3) + " × " + General(p.FBasicPga) + ", 基本 = α = " + General(p.FBasicPga) +
          ", 罕遇 = K2·α = " + General(p.FK2) + " × " + General(p.FBasicPga) +
          ", 极罕遇 = K1·α = " + General(p.FK1) + " × " + General(p.FBasicPga) + " (g)。",
      "特征周期: Tg 按特征周期分区查表得多遇、基本地震动值; 罕遇地震动加 " +
          General(p.FRareTgIncrement) + " s, 极罕遇地震动加 " + General(p.FVeryRareTgIncrement) +
          " s。",
  };
}

std::string SheetNameText(std::string_view name) {
  std::size_t end = 0, characters = 0;
  while (end < name.size() && characters < kSheetNameCharacters) {
    const std::size_t length = DecodeUtf8(name.substr(end)).length;
    end += length > 0 ? length : BrokenUtf8Length(name.substr(end));
    ++characters;
  }
  std::string text = "\u2068";  // FIRST STRONG ISOLATE
  text.append(name.substr(0, end));
  if (end < name.size()) text.append("…");
  return text.append("\u2069");  // POP DIRECTIONAL ISOLATE
}

std::vector<SiteCoefficientRow> SiteCoefficientRows(const ParameterSet& p) {
  std::vector<SiteCoefficientRow> rows;
  for (int level = 0; level < kLevelCount; ++level) {
    SiteCoefficientRow row;
    row.level = kLevelLabels[level];
    for (int s = 0; s < kSiteClassCount; ++s) {
      row.fa[s] = FormatFourDecimals(SiteCoefficient(p.FPga[level][scII], s));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace gb
