// The window's batch command without its dialogs: what the user hears, and no file left behind
// a cancel or a malformed input.
#include "batch/WindowBatch.h"

#include <gtest/gtest.h>

#include "DesignedBatchSettings.h"
#include "TestSupport.h"

namespace gb {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

struct BatchRun {
  WindowBatchOutcome outcome;
  std::vector<std::string> progress;
};

BatchRun RunFrom(const TempFolder& folder, const std::string& csv, bool cancel = false) {
  WriteFile(folder / "sites.csv", csv);
  BatchRun run;
  run.outcome = RunWindowBatch(folder / "sites.csv", folder / "out.csv",
                               test::DesignedBatchSettings(), [&](const std::string& text) {
                                 run.progress.push_back(text);
                                 return !cancel;
                               });
  return run;
}

TEST(WindowBatch, DoneFailedRowsAndProgress) {
  const TempFolder folder;
  const BatchRun good = RunFrom(folder, "pga,zone\n0.05,0.35\n0.1,0.4\n");
  EXPECT_EQ(good.outcome.kind, WindowBatchOutcome::Kind::Done);
  EXPECT_NE(ReadFile(folder / "out.csv").find("0.05"), std::string::npos);
  ASSERT_FALSE(good.progress.empty());
  EXPECT_NE(good.progress.back().find("100%"), std::string::npos) << good.progress.back();

  const BatchRun failed = RunFrom(folder, "pga,zone\n0.05,0.35\n9,0.35\n");
  EXPECT_EQ(failed.outcome.kind, WindowBatchOutcome::Kind::Problem);
  EXPECT_FALSE(failed.outcome.message.empty());
}

TEST(WindowBatch, CancelAndMalformedInputLeaveTheFormerResults) {
  const TempFolder folder;
  WriteFile(folder / "out.csv", "former");
  std::string many = "pga,zone\n";
  for (int i = 0; i < 5000; ++i) many += "0.05,0.35\n";
  EXPECT_EQ(RunFrom(folder, many, true).outcome.kind, WindowBatchOutcome::Kind::Cancelled);
  EXPECT_EQ(ReadFile(folder / "out.csv"), "former");
  try {
    RunFrom(folder, "pga,zone\n0.05,0.35,1\n");
    ADD_FAILURE() << "a row with more cells than the header";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().starts_with("第 2 行: ")) << e.Message();
  }
  EXPECT_EQ(ReadFile(folder / "out.csv"), "former");
  try {
    RunWindowBatch(folder / "missing.csv", folder / "out.csv", test::DesignedBatchSettings(),
                   [](const std::string&) { return true; });
    ADD_FAILURE() << "a missing input";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("missing.csv"), std::string::npos) << e.Message();
  }
}

}  // namespace
}  // namespace gb
