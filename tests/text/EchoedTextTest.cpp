#include "text/EchoedText.h"

#include <gtest/gtest.h>

#include <string>

namespace gb {
namespace {

TEST(EscapeControls, WritesOutWhatATerminalWouldObey) {
  const struct {
    std::string text, shown;
  } kCases[] = {
      {"plain 中文 ２．９", "plain 中文 ２．９"},
      {"\x1B[31mred", "\\x1B[31mred"},
      {"a\tb\r\nc", "a\\x09b\\x0D\\x0Ac"},
      {std::string("nul\0", 4), "nul\\x00"},
      {"del\x7F", "del\\x7F"},
      {"\xC2\x9B"
       "1m",
       "\\u009B1m"},                             // C1 CSI
      {"\xC2\x85", "\\u0085"},                   // next line
      {"\xC2\xA0\xC2\xA9", "\xC2\xA0\xC2\xA9"},  // no-break space and © are text
      {"\xC2", "\xC2"},                          // a cut character stays for the encoder's "?"
  };
  for (const auto& c : kCases) EXPECT_EQ(EscapeControls(c.text), c.shown) << c.text;
}

}  // namespace
}  // namespace gb
