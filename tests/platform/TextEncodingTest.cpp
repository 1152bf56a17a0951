#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/SystemCodePage.h"
#include "tests/support/Environment.h"

namespace gb {
namespace {

TEST(TextEncoding, KnownBytes) {
  const struct {
    const char* codePage;
    std::string utf8;
    std::string bytes;
  } kCases[] = {
      // GBK code table bytes of the report's fixed texts.
      {"GBK", "输入参数", "\xCA\xE4\xC8\xEB\xB2\xCE\xCA\xFD"},
      {"GBK", "周期(s),反应谱", "\xD6\xDC\xC6\xDA(s),\xB7\xB4\xD3\xA6\xC6\xD7"},
      {"gbk", "GB 18306-2015《》\r\n", "GB 18306-2015\xA1\xB6\xA1\xB7\r\n"},
      {"UTF-8", "输入参数\r\n", "输入参数\r\n"},
      {"UTF-16LE", "A输", std::string("A\0\x93\x8F", 4)},
      // One "?" per character that does not fit, and per byte sequence that is not UTF-8.
      {"ASCII", "a输b", "a?b"},
      {"ISO-8859-1", "café€😀", "caf\xE9??"},
      {"GBK", "谱😀😀", "\xC6\xD7??"},
      {"GBK", "x\xFFy\xE8\xB0", "x?y?"},
      {"UTF-8", "\xE8\xB0x\x80", "?x?"},
      // A stateful code page returns to ASCII before the "?" and at the end.
      {"ISO-2022-JP", "日€", "\x1B$BF|\x1B(B?"},
      {"ISO-2022-JP", "日", "\x1B$BF|\x1B(B"},
      // Output four times the input: the buffer has to grow.
      {"UTF-32BE", "abcdefghijklmnopqrstuvwxyz",
       [] {
         std::string utf32;
         for (char c = 'a'; c <= 'z'; ++c) utf32 += std::string("\0\0\0", 3) + c;
         return utf32;
       }()},
  };
  for (const auto& c : kCases) {
    // Windows has these by its version: Wine lacks ISO-2022-JP.
    if (test::kWindows && !IsKnownCodePage(c.codePage)) continue;
    EXPECT_EQ(EncodeText(c.utf8, c.codePage), c.bytes) << c.codePage << " " << c.utf8;
  }
}

// The cached converter starts every text afresh, even after one that left it shifted.
TEST(TextEncoding, ReusedConverterStartsAfresh) {
  if (!IsKnownCodePage("ISO-2022-JP")) GTEST_SKIP() << "this Windows has no ISO-2022-JP";
  const TextEncoder encoder("ISO-2022-JP");
  EXPECT_EQ(encoder.Encode("日本\xFF"), encoder.Encode("日本\xFF"));
  EXPECT_EQ(encoder.Encode("a"), "a");
}

TEST(TextEncoding, UnknownCodePages) {
  for (const char* name : {"NO-SUCH-CODE-PAGE", "", "GBK//TRANSLIT"}) {
    EXPECT_FALSE(IsKnownCodePage(name));
    try {
      EncodeText("x", name);
      ADD_FAILURE() << name;
    } catch (const EUnknownCodePage& e) {
      EXPECT_EQ(e.Message(), "Unknown code page \"" + std::string(name) + "\"");
    }
  }
  // Wine lacks GB18030; WebAssembly's C library cannot encode it.
  EXPECT_TRUE(IsKnownCodePage(test::kWindows || test::kWebAssembly ? "GBK" : "GB18030"));
}

TEST(TextEncoding, DecodeIntoUtf8) {
  const struct {
    const char* codePage;
    std::string bytes;
    std::string utf8;
  } kCases[] = {
      // The system's GBK text for a missing folder, as the window got it.
      {"GBK", "\xC3\xBB\xD3\xD0\xC4\xC7\xB8\xF6\xCE\xC4\xBC\xFE\xBB\xF2\xC4\xBF\xC2\xBC",
       "没有那个文件或目录"},
      {"ISO-8859-1", "caf\xE9", "café"},
      {"UTF-8", "输入", "输入"},
      // One "?" per byte that is no character, a cut-off character at the end included.
      {"UTF-8",
       "a\xFF"
       "b",
       "a?b"},
      {"GBK", "\xCA\xE4\xC8", "输?"},
      {"GBK", "", ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(DecodeText(c.bytes, c.codePage), c.utf8) << c.codePage << " " << c.utf8;
  }
  EXPECT_THROW(DecodeText("x", "NO-SUCH-CODE-PAGE"), EUnknownCodePage);
}

// A report reader finds its line ends, separators and digits only as the single ASCII bytes.
TEST(TextEncoding, AsciiCompatibleCodePages) {
  for (const char* name : {"UTF-8", "GBK", "GB18030", "BIG5", "ISO-8859-1", "ASCII", "EUC-JP"}) {
    // Wine lacks GB18030; WebAssembly's C library encodes no CJK code page but the program's GBK.
    if ((test::kWindows || test::kWebAssembly) && !IsKnownCodePage(name)) continue;
    EXPECT_TRUE(IsAsciiCompatible(name)) << name;
  }
  for (const char* name :
       {"UTF-16", "UTF-16LE", "UTF-32", "UCS-2", "UTF-32BE", "IBM037", "NO-SUCH-CODE-PAGE"}) {
    EXPECT_FALSE(IsAsciiCompatible(name)) << name;
  }
}

TEST(SystemCodePage, AsciiWidensToUtf8) {
  for (const char* ascii : {"ANSI_X3.4-1968", "ASCII", "US-ASCII", ""}) {
    EXPECT_EQ(CodePageForCodeset(ascii), "UTF-8");
  }
  EXPECT_EQ(CodePageForCodeset("GBK"), "GBK");
  if (!test::kLocaleFromEnvironment) GTEST_SKIP() << "Windows reads its regional settings";
  // The user's locale is read from the environment without becoming the process locale.
  const std::string processLocale = ::setlocale(LC_ALL, nullptr);
  for (const char* lcAll : {"C.UTF-8", "C", "xx_NO.SUCH-LOCALE"}) {
    test::SetEnv("LC_ALL", lcAll);
    EXPECT_EQ(SystemCodePage(), "UTF-8") << lcAll;
  }
  test::SetEnv("LC_ALL", "C.UTF-8");
  EXPECT_EQ(::setlocale(LC_ALL, nullptr), processLocale);
}

}  // namespace
}  // namespace gb

namespace gb {
namespace {

TEST(TextEncoding, ValidUtf8AndStrictDecoding) {
  const std::pair<std::string, bool> kUtf8[] = {
      {"", true},
      {"ascii, 中文, \xF0\x9F\x98\x80", true},
      {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
      {"\xF4\x90\x80\x80", false},  // above U+10FFFF
      {"\xE0\x9F\xBF", false},      // overlong three-byte form
      {"\xED\xBF\xBF", false},      // a surrogate
      {"\xE4\xB8", false},          // cut off
      {"\x80", false},              // a stray continuation byte
      {"\xC1\xBF", false},          // overlong two-byte form
  };
  for (const auto& [bytes, valid] : kUtf8) {
    EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes;
    EXPECT_EQ(DecodeTextStrictly(bytes, "UTF-8").has_value(), valid) << bytes;
  }
  EXPECT_EQ(DecodeTextStrictly("\xD6\xD0\xCE\xC4", "GBK"), std::optional<std::string>("中文"));
  EXPECT_EQ(DecodeTextStrictly("\xD6\xD0\xCE", "GBK"), std::nullopt);
  EXPECT_EQ(DecodeText("\xD6\xD0\xCE", "GBK"), "中?");
  bool lost = false;
  EXPECT_EQ(TextEncoder("GBK").Encode("中\xED\x95\x9C", &lost), "\xD6\xD0?");
  EXPECT_TRUE(lost);
}

}  // namespace
}  // namespace gb
