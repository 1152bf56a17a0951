#include "batch/JsonText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace gb {
namespace {

struct StringCase {
  std::string text, json;
};

class JsonStrings : public testing::TestWithParam<StringCase> {};

TEST_P(JsonStrings, Escaped) {
  std::string out;
  AppendJsonString(out, GetParam().text);
  EXPECT_EQ(out, GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonStrings,
    testing::Values(StringCase{"", "\"\""}, StringCase{"a\"b\\c", "\"a\\\"b\\\\c\""},
                    StringCase{"\r\n\t\x01\x1f", "\"\\u000d\\u000a\\u0009\\u0001\\u001f\""},
                    StringCase{"北京 站", "\"北京 站\""}, StringCase{"😀", "\"😀\""},
                    StringCase{"a\xB5\xD8z", "\"a\xEF\xBF\xBD\xEF\xBF\xBDz\""},  // GBK bytes
                    StringCase{"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},      // overlong
                    StringCase{"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
                    StringCase{"\xE5\x8C", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""}));  // cut off

TEST(JsonNumber, ShortestRoundTripAndNullForNonFinite) {
  const std::pair<double, const char*> cases[] = {{0.0, "0"},
                                                  {0.125, "0.125"},
                                                  {-2.5, "-2.5"},
                                                  {0.1 + 0.2, "0.30000000000000004"},
                                                  {DBL_MAX, "1.7976931348623157e+308"},
                                                  {INFINITY, "null"},
                                                  {NAN, "null"}};
  for (const auto& [value, text] : cases) {
    std::string out;
    AppendJsonNumber(out, value);
    EXPECT_EQ(out, text);
  }
}

}  // namespace
}  // namespace gb
