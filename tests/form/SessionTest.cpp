#include "form/Session.h"

#include <gtest/gtest.h>

#include "engine/CalculateSequence.h"
#include "text/Errors.h"
#include "text/NumberSeparators.h"

namespace gb {
namespace {

// Only a Calculate that ran to the end counts; the plotted set stays what the chart shows.
TEST(Session, CompleteCalculationsAndThePlottedSet) {
  DecimalSeparator = u'.';
  TFormSession session;
  const auto calculate = [&](const char* k2, const char* time) {
    session.BeginCalculate(time);
    RunCalculate(session.Parameters(), {3, 1, "2.9", k2, "0.3333", "0.05", "0.05", "2.5"},
                 [&](CalculateStep step) {
                   if (step == CalculateStep::Chart) session.RecordPlot(scIII);
                 });
    session.EndCalculate();
  };
  calculate("1.9", "2026-01-02 03:04:05");
  ASSERT_TRUE(session.Completed());
  EXPECT_EQ(session.Completed()->CalculatedAt, "2026-01-02 03:04:05");
  EXPECT_EQ(session.Completed()->Parameters.FK2, 1.9);
  EXPECT_EQ(session.Plotted().FK2, 1.9);
  EXPECT_EQ(session.PlottedSiteClass(), scIII);

  EXPECT_THROW(calculate("abc", "2026-01-02 04:00:00"), EConvertError);
  EXPECT_FALSE(session.Completed());  // nothing to export
  try {
    session.CompletedForExport();
    ADD_FAILURE() << "an export after a Calculate that stopped short";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "上次计算未完成, 请改正输入并重新计算后再导出");
  }
  EXPECT_EQ(session.Parameters().FK1, 2.9);  // the steps before the rejected text
  EXPECT_EQ(session.Plotted().FK2, 1.9);     // the chart still shows the last plot

  calculate("2", "2026-01-02 05:00:00");
  EXPECT_EQ(session.CompletedForExport().Parameters.FK2, 2.0);
}

}  // namespace
}  // namespace gb
