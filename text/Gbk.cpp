#include "text/Gbk.h"

#include <array>
#include <cstdint>
#include <memory>

#include "text/GbkTable.h"
#include "text/Utf8.h"

namespace gb {

namespace {

constexpr char32_t kEuro = 0x20AC;  // GBK's one character in a single byte above ASCII
constexpr unsigned char kEuroByte = 0x80;

// The two bytes of each code point GBK has, as first byte << 8 | second; 0 for none.
const std::array<std::uint16_t, 0x10000>& GbkOfCodePoint() {
  static const std::unique_ptr<std::array<std::uint16_t, 0x10000>> inverse = [] {
    auto table = std::make_unique<std::array<std::uint16_t, 0x10000>>();
    for (int i = 0; i < detail::kGbkLeads; ++i) {
      for (int j = 0; j < detail::kGbkTrails; ++j) {
        const std::uint16_t code = detail::kGbkCodePoints[i * detail::kGbkTrails + j];
        if (code != 0) (*table)[code] = static_cast<std::uint16_t>((0x81 + i) << 8 | (0x40 + j));
      }
    }
    return table;
  }();
  return *inverse;
}

char16_t CodePointOf(unsigned char lead, unsigned char trail) {
  if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE) return 0;
  return detail::kGbkCodePoints[(lead - 0x81) * detail::kGbkTrails + (trail - 0x40)];
}

void AppendUtf8(std::string& out, char16_t code) {
  const detail::Utf8Unit unit = detail::EncodeUtf8(code);
  out.append(unit.bytes, unit.size);
}

}  // namespace

bool IsGbkName(std::string_view codePage) {
  return codePage.size() == 3 && (codePage[0] | 0x20) == 'g' && (codePage[1] | 0x20) == 'b' &&
         (codePage[2] | 0x20) == 'k';
}

std::string EncodeGbk(std::string_view utf8, bool* lost) {
  const auto& gbk = GbkOfCodePoint();
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const Utf8Character c = DecodeUtf8(utf8);
    if (c.length == 0) {
      out += '?';
      if (lost != nullptr) *lost = true;
      utf8.remove_prefix(BrokenUtf8Length(utf8));
      continue;
    }
    utf8.remove_prefix(c.length);
    if (c.code < 0x80) {
      out += static_cast<char>(c.code);
    } else if (c.code == kEuro) {
      out += static_cast<char>(kEuroByte);
    } else if (c.code < 0x10000 && gbk[c.code] != 0) {
      out += static_cast<char>(gbk[c.code] >> 8);
      out += static_cast<char>(gbk[c.code] & 0xFF);
    } else if (c.code < 0xE0000 || c.code > 0xE007F) {
      out += '?';
      if (lost != nullptr) *lost = true;
    }
  }
  return out;
}

std::optional<std::string> DecodeGbk(std::string_view bytes, bool strict) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  for (std::size_t i = 0; i < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      out += static_cast<char>(byte);
      ++i;
      continue;
    }
    if (byte == kEuroByte) {
      AppendUtf8(out, kEuro);
      ++i;
      continue;
    }
    const char16_t code =
        i + 1 < bytes.size() ? CodePointOf(byte, static_cast<unsigned char>(bytes[i + 1])) : 0;
    if (code != 0) {
      AppendUtf8(out, code);
      i += 2;
      continue;
    }
    if (strict) return std::nullopt;
    out += '?';
    ++i;
  }
  return out;
}

}  // namespace gb
