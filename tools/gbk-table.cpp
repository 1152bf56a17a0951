// Writes text/GbkTable.h, the two-byte characters of GBK as glibc's iconv converts them, from the
// iconv of the machine it runs on (glibc's):
//   g++ -O1 tools/gbk-table.cpp -o /tmp/gbk-table && /tmp/gbk-table > text/GbkTable.h
// It stops with a message where glibc's GBK is not the code the program's converter assumes:
// bytes 0x00-0x7F as ASCII, 0x80 as the euro sign, two-byte characters with a first byte
// 0x81-0xFE and a second 0x40-0xFE other than 0x7F, and encoding the exact inverse of decoding.
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kLeads = 0xFE - 0x81 + 1, kTrails = 0xFE - 0x40 + 1;

// The code point of `bytes`, or 0 when they are not one GBK character.
std::uint32_t Decode(iconv_t decoder, const char* bytes, std::size_t size) {
  std::uint32_t code = 0;
  char* in = const_cast<char*>(bytes);
  char* out = reinterpret_cast<char*>(&code);
  std::size_t inLeft = size, outLeft = sizeof code;
  iconv(decoder, nullptr, nullptr, nullptr, nullptr);
  if (iconv(decoder, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return 0;
  return inLeft == 0 && outLeft == 0 ? code : 0;
}

[[noreturn]] void Stop(const char* what, unsigned value) {
  std::fprintf(stderr, "gbk-table: %s %X\n", what, value);
  std::exit(1);
}

}  // namespace

int main() {
  const iconv_t decoder = iconv_open("UTF-32LE", "GBK"), encoder = iconv_open("GBK", "UTF-32LE");
  if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1)) {
    Stop("no GBK converter", 0);
  }
  for (unsigned b = 0; b < 0x100; ++b) {
    const char byte = static_cast<char>(b);
    const std::uint32_t code = Decode(decoder, &byte, 1);
    const std::uint32_t expected = b < 0x80 ? b : b == 0x80 ? 0x20AC : 0;
    if (code != expected && !(b == 0 && code == 0)) Stop("single byte", b);
  }
  static std::uint16_t table[kLeads][kTrails];
  static std::uint16_t inverse[0x10000];
  for (unsigned lead = 0x80; lead < 0x100; ++lead) {
    for (unsigned trail = 0; trail < 0x100; ++trail) {
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::uint32_t code = Decode(decoder, bytes, 2);
      if (code == 0) continue;
      if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F) {
        Stop("two bytes outside the ranges", lead << 8 | trail);
      }
      if (code > 0xFFFF || code < 0x80 || inverse[code] != 0) Stop("code point", code);
      table[lead - 0x81][trail - 0x40] = static_cast<std::uint16_t>(code);
      inverse[code] = static_cast<std::uint16_t>(lead << 8 | trail);
    }
  }
  for (std::uint32_t code = 0x80; code < 0x10000; ++code) {
    if (code >= 0xD800 && code < 0xE000) continue;
    unsigned char out[4];
    char* in = reinterpret_cast<char*>(&code);
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = sizeof code, outLeft = sizeof out;
    iconv(encoder, nullptr, nullptr, nullptr, nullptr);
    const bool encoded =
        iconv(encoder, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    const std::size_t length = sizeof out - outLeft;
    const unsigned bytes = length == 2 ? (out[0] << 8 | out[1]) : length == 1 ? out[0] : 0;
    const unsigned expected = code == 0x20AC ? 0x80 : inverse[code];
    if (encoded != (expected != 0) || (encoded && bytes != expected)) Stop("encoding of", code);
  }
  std::puts(
      "// GBK's two-byte characters as glibc's iconv converts them, written by "
      "tools/gbk-table.cpp:");
  std::puts(
      "// the code point of the character with first byte 0x81 + i and second byte 0x40 + j at");
  std::puts("// [i * 191 + j], 0 where there is none.");
  std::puts("#pragma once\n\n#include <cstdint>\n\nnamespace gb::detail {\n");
  std::printf("inline constexpr int kGbkLeads = %d, kGbkTrails = %d;\n\n", kLeads, kTrails);
  std::puts("// clang-format off");
  std::puts("inline constexpr std::uint16_t kGbkCodePoints[kGbkLeads * kGbkTrails] = {");
  for (int i = 0; i < kLeads; ++i) {
    for (int j = 0; j < kTrails; ++j) {
      std::printf("%s0x%04X,", j % 12 == 0 ? "    " : " ", table[i][j]);
      if (j % 12 == 11 || j == kTrails - 1) std::puts("");
    }
  }
  std::puts("};\n// clang-format on\n\n}  // namespace gb::detail");
}
