// The program's own GBK against glibc's iconv, the converter it stands in for: every character
// both ways, and random texts with broken sequences. Where the C library has no GBK (WebAssembly)
// only the known bytes are checked.
#include "text/Gbk.h"

#include <gtest/gtest.h>

#include <string_view>

#include <random>
#include <string>

#include "text/Utf8.h"

#if defined(__GLIBC__)
#include <iconv.h>
#define GB_GLIBC_ICONV 1
#else
#define GB_GLIBC_ICONV 0
#endif

namespace gb {
namespace {

TEST(Gbk, KnownBytes) {
  bool lost = false;
  EXPECT_EQ(EncodeGbk("地震 €1,5\r\n", &lost),
            "\xB5\xD8\xD5\xF0 \x80"
            "1,5\r\n");
  EXPECT_FALSE(lost);
  EXPECT_EQ(EncodeGbk("\xF0\x9F\x98\x80|\xE4\xB8|\xF3\xA0\x80\x81", &lost), "?|?|");
  EXPECT_TRUE(lost);
  EXPECT_EQ(DecodeGbk("\xB5\xD8\xD5\xF0\x80", true), "地震€");
  EXPECT_EQ(DecodeGbk("\xB5\xD8\xFF\xB5", false), "地??");
  EXPECT_EQ(DecodeGbk("\xB5\xD8\xFF", true), std::nullopt);
  EXPECT_TRUE(IsGbkName("gbk") && IsGbkName("GBK") && !IsGbkName("GB2312"));
}

#if GB_GLIBC_ICONV
// iconv's answer, "?" for each character it refuses, as the POSIX converter used it.
std::string Iconv(const std::string& text, const char* to, const char* from, bool& lost) {
  const iconv_t converter = iconv_open(to, from);
  std::string out(text.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size(), outLeft = out.size();
  char* outPtr = out.data();
  while (iconv(converter, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
    lost = true;
    *outPtr++ = '?';
    --outLeft;
    // Past the character that stopped it: one byte of GBK, one UTF-8 character (whole or broken).
    std::size_t skip = 1;
    if (std::string_view(from) == "UTF-8") {
      const std::string_view rest(in, inLeft);
      skip = DecodeUtf8(rest).length > 0 ? DecodeUtf8(rest).length : BrokenUtf8Length(rest);
    }
    in += skip;
    inLeft -= skip;
  }
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}

TEST(Gbk, EveryCharacterAsGlibcConvertsIt) {
  for (char32_t code = 0x80; code < 0x10000; ++code) {
    if (code >= 0xD800 && code < 0xE000) continue;
    std::string utf8;
    if (code < 0x800) {
      utf8 = {static_cast<char>(0xC0 | code >> 6), static_cast<char>(0x80 | (code & 0x3F))};
    } else {
      utf8 = {static_cast<char>(0xE0 | code >> 12), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
              static_cast<char>(0x80 | (code & 0x3F))};
    }
    bool lostMine = false, lostGlibc = false;
    const std::string mine = EncodeGbk(utf8, &lostMine);
    std::string glibc = Iconv(utf8, "GBK", "UTF-8", lostGlibc);
    if (lostGlibc) glibc.assign(1, '?');  // one "?" for the whole character, as written
    ASSERT_EQ(mine, glibc) << std::hex << static_cast<unsigned>(code);
    ASSERT_EQ(lostMine, lostGlibc);
  }
  for (unsigned lead = 0x80; lead < 0x100; ++lead) {
    for (unsigned trail = 0; trail < 0x100; ++trail) {
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      bool lost = false;
      const std::string glibc = Iconv(bytes, "UTF-8", "GBK", lost);
      ASSERT_EQ(DecodeGbk(bytes, false), glibc) << std::hex << lead << " " << trail;
      ASSERT_EQ(DecodeGbk(bytes, true).has_value(), !lost);
    }
  }
}

TEST(Gbk, RandomBytesAsGlibcConvertsThem) {
  std::mt19937 random(936);
  for (int n = 0; n < 20000; ++n) {
    std::string bytes(1 + random() % 12, '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 3 == 0 ? random() % 0x80 : random());
    bool lost = false;
    ASSERT_EQ(DecodeGbk(bytes, false), Iconv(bytes, "UTF-8", "GBK", lost));
    // The same bytes taken as broken UTF-8, among whole characters, into GBK.
    const std::string text = "地" + bytes + "€x";
    bool lostMine = false, lostGlibc = false;
    ASSERT_EQ(EncodeGbk(text, &lostMine), Iconv(text, "GBK", "UTF-8", lostGlibc));
    ASSERT_EQ(lostMine, lostGlibc);
  }
}
#endif

}  // namespace
}  // namespace gb
