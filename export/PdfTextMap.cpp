#include "export/PdfTextMap.h"

#include <QByteArrayView>
#include <QString>
#include <cstdio>

namespace gb {

namespace {

// Simplified-form radicals without a compatibility decomposition, as Simplified Chinese faces
// draw them with the glyph of the character.
constexpr struct {
  char16_t radical, ideograph;
} kSupplementRadicals[] = {
    {0x2EA0, 0x6C11}, {0x2EC5, 0x89C1}, {0x2EC8, 0x8BA0}, {0x2ED3, 0x957F}, {0x2ED4, 0x95E8},
    {0x2ED9, 0x97E6}, {0x2EDA, 0x9875}, {0x2EDB, 0x98CE}, {0x2EDC, 0x98DE}, {0x2EDD, 0x98DF},
    {0x2EE0, 0x9963}, {0x2EE2, 0x9A6C}, {0x2EE4, 0x9B3C}, {0x2EE5, 0x9C7C}, {0x2EE6, 0x9E1F},
    {0x2EE7, 0x5364}, {0x2EE8, 0x9EA6}, {0x2EE9, 0x9EC4}, {0x2EEA, 0x9EFE}, {0x2EEB, 0x6589},
    {0x2EED, 0x6B6F}, {0x2EEF, 0x9F99}, {0x2EF2, 0x9F9F}, {0x2EF3, 0x9F9F},
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The four hex digits at `at` as a number, or -1.
int Hex4(const QByteArray& bytes, qsizetype at) {
  int value = 0;
  for (int i = 0; i < 4; ++i) {
    const int d = HexDigit(bytes[at + i]);
    if (d < 0) return -1;
    value = value * 16 + d;
  }
  return value;
}

// Rewrites the destination code points of one CMap between `from` and `to`. In a bfrange line
// the first two codes are glyph ids, in a bfchar line the first one; the rest are text.
void RepairCMap(QByteArray& pdf, qsizetype from, qsizetype to) {
  int skip = 0;
  int sourceCodes = 0;
  for (qsizetype i = from; i < to; ++i) {
    if (pdf[i] == '\n') {
      skip = sourceCodes;
      continue;
    }
    const QByteArrayView rest = QByteArrayView(pdf).sliced(i);
    if (rest.startsWith("beginbfrange")) sourceCodes = 2;
    if (rest.startsWith("beginbfchar")) sourceCodes = 1;
    if (pdf[i] != '<' || i + 5 >= to || pdf[i + 5] != '>') continue;
    const int code = Hex4(pdf, i + 1);
    if (code < 0) continue;
    if (skip > 0) {
      --skip;
    } else {
      const char16_t ideograph = IdeographOfRadical(static_cast<char16_t>(code));
      if (ideograph != code) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(ideograph));
        pdf.replace(i + 1, 4, hex, 4);
      }
    }
    i += 5;
  }
}

}  // namespace

char16_t IdeographOfRadical(char16_t codePoint) {
  if (codePoint < 0x2E80 || codePoint > 0x2FDF) return codePoint;
  const QString normal = QString(QChar(codePoint)).normalized(QString::NormalizationForm_KC);
  if (normal.size() == 1 && normal[0].unicode() != codePoint) return normal[0].unicode();
  for (const auto& entry : kSupplementRadicals) {
    if (entry.radical == codePoint) return entry.ideograph;
  }
  return codePoint;
}

void RepairPdfTextMaps(QByteArray& pdf) {
  qsizetype at = 0;
  while ((at = pdf.indexOf("begincmap", at)) >= 0) {
    const qsizetype end = pdf.indexOf("endcmap", at);
    if (end < 0) return;
    RepairCMap(pdf, at, end);
    at = end;
  }
}

}  // namespace gb
