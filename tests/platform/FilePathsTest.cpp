#include "platform/FilePaths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "tests/support/Environment.h"

namespace gb {
namespace {

namespace fs = std::filesystem;

// One file by any of its names, and never two files or a missing one.
TEST(AreOneFile, ByAnyName) {
  if (test::kWebAssembly)
    GTEST_SKIP() << "Node's file system, as emscripten offers it, makes no hard links";
  const test::TempFolder work;
  test::WriteFile(work / "a.csv", "a");
  test::WriteFile(work / "b.csv", "a");
  fs::create_directory(work / "sub");
  fs::create_hard_link(work / "a.csv", work / "hard.csv");
  const struct {
    fs::path first, second;
    bool one;
  } kCases[] = {
      {work / "a.csv", work / "a.csv", true},
      {work / "a.csv", work / "sub" / ".." / "a.csv", true},
      {work / "a.csv", work / "hard.csv", true},
      {work / "a.csv", work / "b.csv", false},  // the same bytes are not the same file
      {work / "a.csv", work / "missing.csv", false},
      {work / "missing.csv", work / "missing.csv", false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(AreOneFile(c.first, c.second), c.one) << c.first << " " << c.second;
    EXPECT_EQ(AreOneFile(c.second, c.first), c.one) << c.second << " " << c.first;
  }
#ifndef _WIN32
  fs::create_symlink("a.csv", work / "link.csv");
  EXPECT_TRUE(AreOneFile(work / "link.csv", work / "hard.csv"));
#endif
}

}  // namespace
}  // namespace gb
