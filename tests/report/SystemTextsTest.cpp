#include "report/SystemTexts.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "TestSupport.h"

namespace gb {
namespace {

TEST(SystemTexts, SentenceEndIsCut) {
  const struct {
    const char* text;
    const char* trimmed;
  } kCases[] = {
      {"No such file or directory", "No such file or directory"},
      {"Done. \r\n", "Done"},
      {"a..\t", "a"},
      {"...", ""},
      {"没有那个文件或目录。", "没有那个文件或目录。"},  // not an ASCII full stop
      {"x!", "x!"},
  };
  for (const auto& c : kCases) EXPECT_EQ(TrimSentenceEnd(c.text), c.trimmed) << c.text;
}

// The system speaks the user's language in the user's character set; the message is UTF-8.
TEST(SystemTexts, ErrorTextInTheLocalesCharacterSet) {
  const test::LocaleEnvironment c("C.UTF-8");
  EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
  EXPECT_EQ(SystemErrorText(EAGAIN), "Resource temporarily unavailable");
  const std::optional<std::string> gbk = test::CompiledLocale("zh_CN", "GBK");
  if (!gbk) GTEST_SKIP() << "localedef cannot make zh_CN.GBK here";
  const test::LocaleEnvironment chinese("zh_CN.GBK", *gbk);
  EXPECT_EQ(SystemErrorText(ENOENT), "没有那个文件或目录");
}

TEST(SystemTexts, FileNamesInTheirCodePage) {
  EXPECT_EQ(FileNameText("/tmp/结果.csv"), "/tmp/结果.csv");
  SetFileNameCodePage("GBK");
  EXPECT_EQ(FileNameText("/tmp/\xBD\xE1\xB9\xFB.csv"), "/tmp/结果.csv");
  SetFileNameCodePage("NO-SUCH-CODE-PAGE");
  EXPECT_EQ(FileNameText("/tmp/\xBD\xE1.csv"), "/tmp/\xBD\xE1.csv");
  SetFileNameCodePage("UTF-8");
}

}  // namespace
}  // namespace gb
