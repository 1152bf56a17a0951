#include "text/ShortestDouble.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace gb {
namespace {

TEST(ShortestDouble, KnownTexts) {
  const struct {
    double value;
    const char* text;
  } kRows[] = {{0.0, "0"},
               {-0.0, "-0"},
               {0.035, "0.035"},
               {120, "120"},
               {1e22, "1e+22"},
               {1e21, "1e+21"},
               {123456, "123456"},
               {1e-7, "1e-07"},
               {0.0001, "1e-04"},
               {5e-324, "5e-324"},
               {-2.5, "-2.5"},
               {0.1 + 0.2, "0.30000000000000004"},
               {1.7976931348623157e308, "1.7976931348623157e+308"},
               {100, "100"},
               {1e5, "1e+05"},
               {0x1p60, "1152921504606846976"}};
  for (const auto& row : kRows) EXPECT_EQ(ShortestDouble(row.value), row.text) << row.text;
}

// Where the C++ library has it, std::to_chars is the reference; everywhere the text reads back.
TEST(ShortestDouble, IsToCharsAndReadsBack) {
  std::mt19937_64 random(20261210);
  for (int i = 0; i < 200000; ++i) {
    std::uint64_t bits = random();
    if (i % 4 == 1)
      bits = (bits & 0x800FFFFFFFFFFFFFu) | (static_cast<std::uint64_t>(1000 + i % 100) << 52);
    if (i % 4 == 2)
      bits &= 0x800FFFFFFFFFFFFFu | (static_cast<std::uint64_t>(i % 8) << 52);  // subnormal, tiny
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    if (i % 4 == 3) value = static_cast<double>(random() % 100000) / 1000;  // the report's kind
    const std::string text = ShortestDouble(value);
    ASSERT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
#if defined(__cpp_lib_to_chars)
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    ASSERT_EQ(text, std::string(digits, result.ptr));
#endif
  }
}

}  // namespace
}  // namespace gb
