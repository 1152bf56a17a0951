// The no-display line names the display asked for, or that none was.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Display.h"

namespace gb {
namespace {

TEST(NoDisplayText, NamesTheDisplayOrItsAbsence) {
  const char* saved = std::getenv("DISPLAY");
  const std::string restore = saved == nullptr ? "" : saved;
  ::unsetenv("DISPLAY");
  EXPECT_EQ(NoDisplayText(),
            "gb18306: no display could be opened (DISPLAY is not set); without a window, use the "
            "command-line companion: gb18306-cli --help");
  ::setenv("DISPLAY", "", 1);
  EXPECT_NE(NoDisplayText().find("(DISPLAY is not set)"), std::string::npos);
  ::setenv("DISPLAY", ":99", 1);
  EXPECT_NE(NoDisplayText().find("(DISPLAY=\":99\")"), std::string::npos);
  if (saved == nullptr) {
    ::unsetenv("DISPLAY");
  } else {
    ::setenv("DISPLAY", restore.c_str(), 1);
  }
}

}  // namespace
}  // namespace gb
