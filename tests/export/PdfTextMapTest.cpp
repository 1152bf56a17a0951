// The repair of the PDF's text maps: only radicals among the text codes change, nothing moves.
#include <gtest/gtest.h>

#include "export/PdfTextMap.h"

namespace gb {
namespace {

TEST(PdfTextMap, RadicalsBecomeTheirIdeographs) {
  const struct {
    char16_t from, to;
  } kCases[] = {
      {0x2F0A, 0x5165},  // ⼊ 入
      {0x2F24, 0x5927},  // ⼤ 大
      {0x2F54, 0x6C34},  // ⽔ 水
      {0x2EDA, 0x9875},  // ⻚ 页
      {0x5165, 0x5165}, {u'0', u'0'}, {0x2E7F, 0x2E7F}, {0x2FE0, 0x2FE0},
  };
  for (const auto& c : kCases) EXPECT_EQ(IdeographOfRadical(c.from), c.to) << int(c.from);
}

TEST(PdfTextMap, OnlyTextCodesInsideTheMapsChange) {
  const QByteArray before =
      "stream <2F0A> endstream\n"
      "begincmap\n2 beginbfrange\n<2F0A> <2F0B> [<2F0A> <0030>]\n<0001> <0001> <2F24>\nendbfrange\n"
      "1 beginbfchar\n<2F54> <2F54>\nendbfchar\nendcmap\n<2F0A>";
  QByteArray pdf = before;
  RepairPdfTextMaps(pdf);
  EXPECT_EQ(pdf.size(), before.size());
  EXPECT_EQ(
      pdf,
      QByteArray("stream <2F0A> endstream\n"
                 "begincmap\n2 beginbfrange\n<2F0A> <2F0B> [<5165> <0030>]\n<0001> <0001> "
                 "<5927>\nendbfrange\n1 beginbfchar\n<2F54> <6C34>\nendbfchar\nendcmap\n<2F0A>"));
}

}  // namespace
}  // namespace gb
