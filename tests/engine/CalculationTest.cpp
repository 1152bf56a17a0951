#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/DesignResponse.h"
#include "engine/ParameterSet.h"
#include "report/ResultGridTexts.h"
#include "text/DecimalFormats.h"

namespace gb {
namespace {

struct Inputs {
  int pgaZone = 0;
  int tgZone = 0;
  double alpha = 0.05, k1 = 2.9, k2 = 1.9, k3 = 0.3333, rareInc = 0.05, veryRareInc = 0.05,
         betaMax = 2.5;
};

// The numeric steps of Calculate in their order, from already parsed inputs.
ParameterSet Calculate(const Inputs& in) {
  ParameterSet p;
  p.FPgaZoneIndex = in.pgaZone;
  p.FTgZoneIndex = in.tgZone;
  p.FBasicPga = in.alpha;
  p.FK1 = in.k1;
  p.FK2 = in.k2;
  p.FK3 = in.k3;
  StoreSiteIIPeakAccelerations(p);
  AdjustSiteClasses(p);
  p.FRareTgIncrement = in.rareInc;
  p.FVeryRareTgIncrement = in.veryRareInc;
  FillCharacteristicPeriods(p);
  p.FBetaMax = in.betaMax;
  return p;
}

using Row = std::array<const char*, 5>;

void ExpectDataRows(ResultGrid grid, const ParameterSet& p, const std::array<Row, 4>& rows) {
  const GridTexts texts = MakeResultGrid(grid, p);
  for (int l = 0; l < kLevelCount; ++l) {
    for (int s = 0; s < kSiteClassCount; ++s) {
      EXPECT_EQ(texts.Cells(s + 1, l + 1), rows[l][s])
          << "grid " << static_cast<int>(grid) << " level " << l << " class " << s;
    }
  }
}

TEST(Calculation, InitialInputsGiveTheDesignedTables) {
  const ParameterSet p = Calculate({});
  ExpectDataRows(ResultGrid::Pga, p,
                 {{{"0.0120", "0.0133", "0.0167", "0.0217", "0.0208"},
                   {"0.0360", "0.0400", "0.0500", "0.0650", "0.0625"},
                   {"0.0701", "0.0777", "0.0950", "0.1192", "0.1145"},
                   {"0.1086", "0.1202", "0.1450", "0.1682", "0.1610"}}});
  ExpectDataRows(ResultGrid::Period, p,
                 {{{"0.2000", "0.2500", "0.3500", "0.4500", "0.6500"},
                   {"0.2000", "0.2500", "0.3500", "0.4500", "0.6500"},
                   {"0.2500", "0.3000", "0.4000", "0.5000", "0.7000"},
                   {"0.2500", "0.3000", "0.4000", "0.5000", "0.7000"}}});
  ExpectDataRows(ResultGrid::Platform, p,
                 {{{"0.0300", "0.0333", "0.0417", "0.0542", "0.0521"},
                   {"0.0900", "0.1000", "0.1250", "0.1625", "0.1563"},
                   {"0.1753", "0.1943", "0.2375", "0.2981", "0.2862"},
                   {"0.2715", "0.3005", "0.3625", "0.4205", "0.4024"}}});
}

TEST(Calculation, GridHeadersAndCornerCell) {
  const GridTexts texts = MakeResultGrid(ResultGrid::Pga, Calculate({}));
  const char* header[] = {"", "I0", "I1", "II", "III", "IV"};
  for (int c = 0; c < kGridColumns; ++c) EXPECT_EQ(texts.Cells(c, 0), header[c]);
  const char* levels[] = {"多遇地震动", "基本地震动", "罕遇地震动", "极罕遇地震动"};
  for (int r = 1; r < kGridRows; ++r) EXPECT_EQ(texts.Cells(0, r), levels[r - 1]);
}

TEST(Calculation, EachLevelIsAdjustedFromItsOwnSiteTwoValue) {
  // 0.05 x 2.9 = 0.145 lies in the 0.10..0.15 segment, not in the 0.05 row of alpha.
  const ParameterSet p = Calculate({});
  EXPECT_NEAR(p.FPga[lvVeryRare][scI0], 0.145 * 0.749, 1e-15);
}

TEST(Calculation, SecondZoneRowSelectsTheSecondPeriods) {
  const ParameterSet p = Calculate({.tgZone = 1});
  const double expected[] = {0.25, 0.30, 0.40, 0.55, 0.75};
  for (int s = 0; s < kSiteClassCount; ++s) EXPECT_EQ(p.FTg[lvBasic][s], expected[s]);
}

TEST(Calculation, UnitScaleFactorsRepeatTheBasicRow) {
  const ParameterSet p = Calculate({.k2 = 1, .k3 = 1});
  for (int s = 0; s < kSiteClassCount; ++s) {
    EXPECT_EQ(p.FPga[lvRare][s], p.FPga[lvBasic][s]);
    EXPECT_EQ(p.FPga[lvFrequent][s], p.FPga[lvBasic][s]);
  }
}

TEST(Calculation, NegativeIncrementLowersRarePeriods) {
  const ParameterSet p = Calculate({.rareInc = -0.1, .veryRareInc = -0.3});
  EXPECT_NEAR(p.FTg[lvRare][scI0], 0.10, 1e-15);
  EXPECT_NEAR(p.FTg[lvVeryRare][scI0], -0.10, 1e-15);
  EXPECT_EQ(p.FTg[lvBasic][scI0], 0.20);
}

TEST(Calculation, PlatformTieRoundsUpFromTheExtendedProduct) {
  const ParameterSet p = Calculate({});
  EXPECT_EQ(FormatFourDecimals(PlatformValue(p, lvBasic, scIV)), "0.1563");
}

TEST(Spectrum, BasicSiteTwoCurveOfTheInitialInputs) {
  const ParameterSet p = Calculate({});
  EXPECT_EQ(SpectrumOrdinate(p, lvBasic, scII, 0), 0.05);
  for (int i = 4; i <= 14; ++i) {
    EXPECT_EQ(FormatFourDecimals(SpectrumOrdinate(p, lvBasic, scII, i)), "0.1250") << i;
  }
  EXPECT_LE(SpectrumOrdinate(p, lvBasic, scII, 14), 0.125);  // already descending
  EXPECT_LT(SpectrumOrdinate(p, lvBasic, scII, 15), SpectrumOrdinate(p, lvBasic, scII, 14));
  EXPECT_NEAR(SpectrumOrdinate(p, lvBasic, scII, 240), 0.00969, 5e-6);
}

TEST(Spectrum, FirstAndLastReportLinesOfTheInitialInputs) {
  const ParameterSet p = Calculate({});
  const auto line = [&p](int i) {
    std::string s = FormatFourDecimals(SamplePeriod(i));
    for (const Level l : kLevels)
      s.append(",").append(FormatFourDecimals(SpectrumOrdinate(p, l, scII, i)));
    return s;
  };
  EXPECT_EQ(line(0), "0.0000,0.0167,0.0500,0.0950,0.1450");
  EXPECT_EQ(line(240), "6.0000,0.0032,0.0097,0.0208,0.0317");
}

}  // namespace
}  // namespace gb
