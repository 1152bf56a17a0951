// Subset tags on the fonts' names: the cross-reference table must still point at every object.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <string>

#include "TestSupport.h"
#include "chart/ResponseChart.h"
#include "export/CalculationSheet.h"
#include "export/PdfFontNames.h"
#include "tests/support/PopplerTools.h"

namespace gb {
namespace {

// A PDF built the way Qt writes one: objects, a one-section table, trailer and startxref.
QByteArray SmallPdf(const std::vector<std::string>& objects) {
  std::string pdf = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const std::size_t xref = pdf.size() + 1;
  pdf += "\nxref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (const std::size_t o : offsets) {
    char entry[21];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", o);
    pdf += entry;
  }
  pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " >>\nstartxref\n" +
         std::to_string(xref) + " \n%%EOF\n";
  return QByteArray::fromStdString(pdf);
}

// Every in-use entry points at "N 0 obj" and startxref at the table.
void ExpectConsistent(const QByteArray& pdf) {
  const qsizetype start = pdf.lastIndexOf("\nstartxref\n") + 11;
  const qsizetype xref = pdf.mid(start).split('\n')[0].trimmed().toLongLong();
  ASSERT_TRUE(pdf.mid(xref).startsWith("xref\n0 ")) << xref;
  const QList<QByteArray> lines = pdf.mid(xref).split('\n');
  const int count = lines[1].split(' ')[1].toInt();
  for (int i = 1; i < count; ++i) {
    const QByteArray& entry = lines[2 + i];
    if (!entry.endsWith("n ")) continue;
    const qsizetype offset = entry.left(10).toLongLong();
    EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(i) + " 0 obj")) << i;
  }
}

TEST(PdfFontNames, BaseFontsTakeTheDescriptorsTagAndOffsetsMove) {
  const QByteArray before = SmallPdf({
      "<< /Type /Font /Subtype /Type0 /BaseFont /Face-Bold\n/DescendantFonts [2 0 R] >>",
      "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /Face-Bold\n/FontDescriptor 3 0 R >>",
      "<< /Type /FontDescriptor\n/FontName /QYAAAA+Face-Bold\n/Flags 4 >>",
      "<< /Type /Font /BaseFont /Other\n>>",
  });
  ExpectConsistent(before);
  QByteArray pdf = before;
  TagSubsetFontNames(pdf);
  EXPECT_EQ(pdf.size(), before.size() + 14);
  EXPECT_EQ(pdf.count("/BaseFont /QYAAAA+Face-Bold\n"), 2);
  EXPECT_EQ(pdf.count("/BaseFont /Other\n"), 1);  // no descriptor with a tag: left alone
  ExpectConsistent(pdf);
}

TEST(PdfFontNames, AnUnexpectedLayoutIsLeftAlone) {
  for (const QByteArray& odd : {QByteArray("/BaseFont /A\n/FontName /QYAAAA+A\n"),
                                QByteArray("/FontName /QYAAAA+A\n/BaseFont /A\nxref\n1 2\n")}) {
    QByteArray pdf = odd;
    TagSubsetFontNames(pdf);
    EXPECT_EQ(pdf, odd);
  }
}

TEST(PdfFontNames, TheSheetNamesEveryFontAsAnEmbeddedSubset) {
  const ParameterSet p = test::DefaultParameters();
  const CalculationSheet sheet = MakeCalculationSheet(p, scII, "2026-01-02 03:04:05");
  const QByteArray bytes = CalculationSheetPdf(sheet);
  ExpectConsistent(bytes);

  const test::TempFolder folder;
  test::WriteFile(folder / "s.pdf", bytes.toStdString());
  const auto fonts = test::ToolOutput("pdffonts", "", (folder / "s.pdf").string());
  if (!fonts) GTEST_SKIP() << "pdffonts is not installed";
  const std::vector<std::string> lines = test::Lines(*fonts);
  ASSERT_GT(lines.size(), 2u);
  for (std::size_t i = 2; i < lines.size(); ++i) {
    const std::vector<std::string> w = test::Words(lines[i]);
    ASSERT_GE(w.size(), 6u);
    EXPECT_EQ(w[w.size() - 4], "yes") << "not named a subset: " << lines[i];
    EXPECT_EQ(w[0][6], '+') << lines[i];
  }
}

}  // namespace
}  // namespace gb
