#include "report/LostLines.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(LostLines, NamesTheLinesAsRanges) {
  const struct {
    const char* text;
    const char* codePage;
    const char* lines;
  } kCases[] = {
      {"a\n中\n中\nb\n中\n", "ASCII", "2-3, 5"},
      {"中\r\nb\r\n", "ISO-8859-1", "1"},
      {"a\n中\n", "GBK", ""},
      {"", "ASCII", ""},
      {"a\nb\n中", "ASCII", "3"},
  };
  for (const auto& c : kCases) EXPECT_EQ(LostLines(c.text, c.codePage), c.lines) << c.text;
  EXPECT_EQ(LostLinesMessage("the report", "ASCII", "2-3, 5"),
            "the report: characters ASCII cannot represent were written as \"?\" in lines 2-3, 5");
  EXPECT_EQ(LostLinesMessage("the tables", "ASCII", "7"),
            "the tables: characters ASCII cannot represent were written as \"?\" in line 7");
}

}  // namespace
}  // namespace gb
