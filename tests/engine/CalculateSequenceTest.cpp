#include "engine/CalculateSequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/PlottedCurves.h"
#include "text/Errors.h"
#include "text/NumberSeparators.h"

namespace gb {
namespace {

// A rejected text stops the sequence where it is read: the steps before it are done and
// reported, the fields from it on keep what they held.
TEST(CalculateSequence, StopsAtEachRejectedTextWithTheEarlierStepsReported) {
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
  using Steps = std::vector<CalculateStep>;
  const Steps all = {CalculateStep::PgaGrid, CalculateStep::PeriodGrid, CalculateStep::PlatformGrid,
                     CalculateStep::Chart};
  const struct {
    int rejected;  // 0 .. 5: k1 .. betaMax; -1: none
    Steps reported;
  } kCases[] = {
      {-1, all},
      {0, {}},
      {1, {}},
      {2, {}},
      {3, {CalculateStep::PgaGrid}},
      {4, {CalculateStep::PgaGrid}},
      {5, {CalculateStep::PgaGrid, CalculateStep::PeriodGrid}},
  };
  for (const auto& c : kCases) {
    std::string texts[6] = {"2.9", "1.9", "0.3333", "0.05", "0.05", "2.5"};
    if (c.rejected >= 0) texts[c.rejected] = std::string(1, 'x');
    ParameterSet p;
    p.FBetaMax = -7;  // stays where the sequence stops before it
    Steps reported;
    bool rejected = false;
    try {
      RunCalculate(p, {1, 2, texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]},
                   [&](CalculateStep step) { reported.push_back(step); });
    } catch (const EConvertError& e) {
      rejected = true;
      EXPECT_EQ(e.Message(), "'x' is not a valid floating point value");
    }
    EXPECT_EQ(rejected, c.rejected >= 0) << c.rejected;
    EXPECT_EQ(reported, c.reported) << c.rejected;
    EXPECT_EQ(p.FPgaZoneIndex, 1);
    EXPECT_EQ(p.FBetaMax, c.rejected >= 0 ? -7 : 2.5) << c.rejected;
  }
}

// A fault in what the caller does at a step (a spectrum that cannot be drawn) stops it too.
TEST(CalculateSequence, CallersStepFaultPropagates) {
  DecimalSeparator = u'.';
  ParameterSet p;
  std::vector<CalculateStep> reported;
  EXPECT_THROW(RunCalculate(p, {0, 0, "2.9", "1.9", "0.3333", "-5", "0.05", "2.5"},
                            [&](CalculateStep step) {
                              reported.push_back(step);
                              if (step == CalculateStep::Chart) CheckPlottedSpectra(p, scII);
                            }),
               EInvalidOp);
  EXPECT_EQ(reported.size(), 4u);
}

}  // namespace
}  // namespace gb
