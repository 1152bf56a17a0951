// The no-display line names the display asked for, or that none was.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Display.h"
#include "tests/support/Environment.h"

namespace gb {
namespace {

TEST(NoDisplayText, NamesTheDisplayOrItsAbsence) {
  if (!test::kLocaleFromEnvironment) GTEST_SKIP() << "Windows has no DISPLAY to name";
  const char* saved = std::getenv("DISPLAY");
  const std::string restore = saved == nullptr ? "" : saved;
  test::UnsetEnv("DISPLAY");
  EXPECT_EQ(NoDisplayText(),
            "gb18306: no display could be opened (DISPLAY is not set); without a window, use the "
            "command-line companion: gb18306-cli --help");
  test::SetEnv("DISPLAY", "");
  EXPECT_NE(NoDisplayText().find("(DISPLAY is not set)"), std::string::npos);
  test::SetEnv("DISPLAY", ":99");
  EXPECT_NE(NoDisplayText().find("(DISPLAY=\":99\")"), std::string::npos);
  if (saved == nullptr) {
    test::UnsetEnv("DISPLAY");
  } else {
    test::SetEnv("DISPLAY", restore);
  }
}

}  // namespace
}  // namespace gb
