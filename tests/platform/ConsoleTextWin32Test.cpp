#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/win32/ConsoleText.h"

namespace gb {
namespace {

struct Console {
  std::vector<std::wstring> writes;
  bool fails = false;
  ConsoleTextBuffer::Writer Writer() {
    return [this](std::wstring_view text) {
      writes.emplace_back(text);
      return !fails;
    };
  }
};

const std::string kResultGbk = "\xBD\xE1\xB9\xFB";  // 结果

TEST(ConsoleText, LinesOfTheChosenCodePageReachTheConsoleAsText) {
  Console console;
  ConsoleTextBuffer buffer("GBK", console.Writer());
  std::ostream out(&buffer);
  // A character cut between two writes waits for its second byte.
  out << kResultGbk.substr(0, 3);
  EXPECT_TRUE(console.writes.empty());
  out << kResultGbk.substr(3) << ",0.05\r\n"
      << "II";
  ASSERT_EQ(console.writes.size(), 1u);
  EXPECT_EQ(console.writes[0], L"\u7ED3\u679C,0.05\r\n");
  out << std::flush;  // what remains goes on a flush, as the progress line needs
  ASSERT_EQ(console.writes.size(), 2u);
  EXPECT_EQ(console.writes[1], L"II");
}

TEST(ConsoleText, ANewCodePageStartsAfterWhatWasBuffered) {
  Console console;
  ConsoleTextBuffer buffer("GBK", console.Writer());
  std::ostream out(&buffer);
  out << kResultGbk;
  buffer.SetCodePage("UTF-8");
  out << "\xE7\xBB\x93\n";  // 结 in UTF-8
  ASSERT_EQ(console.writes.size(), 2u);
  EXPECT_EQ(console.writes[0], L"\u7ED3\u679C");
  EXPECT_EQ(console.writes[1], L"\u7ED3\n");
}

TEST(ConsoleText, AFailedConsoleWriteFailsTheStream) {
  Console console;
  console.fails = true;
  ConsoleTextBuffer buffer("GBK", console.Writer());
  std::ostream out(&buffer);
  out << "line\n" << std::flush;
  EXPECT_TRUE(out.bad());
  out.clear();
  out << "more\n";
  EXPECT_TRUE(out.bad());
  EXPECT_EQ(console.writes.size(), 1u);  // nothing more is tried once a write failed
}

}  // namespace
}  // namespace gb
