#include "export/PdfFontNames.h"

#include <QByteArrayView>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace gb {

namespace {

// "/FontName /ABCDEF+Name" of every font descriptor: (Name, ABCDEF+Name).
std::vector<std::pair<QByteArray, QByteArray>> TaggedNames(const QByteArray& pdf) {
  std::vector<std::pair<QByteArray, QByteArray>> names;
  const QByteArrayView key = "/FontName /";
  for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
    const qsizetype start = at + key.size();
    const qsizetype end = pdf.indexOf('\n', start);
    if (end < 0) break;
    const QByteArray tagged = pdf.mid(start, end - start);
    // Six capital letters and a plus sign, as the PDF format writes a subset's tag.
    bool tag = tagged.size() > 7 && tagged[6] == '+';
    for (int i = 0; tag && i < 6; ++i) tag = tagged[i] >= 'A' && tagged[i] <= 'Z';
    if (tag) names.emplace_back(tagged.mid(7), tagged);
  }
  return names;
}

// Reads the unsigned decimal number at `at`; -1 when there is none.
long long NumberAt(const QByteArray& pdf, qsizetype at) {
  long long value = -1;
  for (; at < pdf.size() && pdf[at] >= '0' && pdf[at] <= '9'; ++at) {
    value = (value < 0 ? 0 : value * 10) + (pdf[at] - '0');
  }
  return value;
}

}  // namespace

void TagSubsetFontNames(QByteArray& pdf) {
  const qsizetype xref = pdf.lastIndexOf("\nxref\n");
  const qsizetype startxref = pdf.lastIndexOf("\nstartxref\n");
  if (xref < 0 || startxref < xref) return;
  // The table: "xref", "0 N", then N entries of 20 bytes, "0000012345 00000 n \n".
  const qsizetype header = xref + 6;
  if (NumberAt(pdf, header) != 0) return;
  const qsizetype countAt = pdf.indexOf(' ', header) + 1;
  const long long count = NumberAt(pdf, countAt);
  const qsizetype entries = pdf.indexOf('\n', countAt) + 1;
  if (count <= 0 || entries <= 0 || entries + 20 * count > startxref) return;

  // Insertions before the table, in file order: where and what.
  std::vector<std::pair<qsizetype, QByteArray>> inserts;
  for (const auto& [name, tagged] : TaggedNames(pdf)) {
    const QByteArray plain = "/BaseFont /" + name + "\n";
    for (qsizetype at = pdf.indexOf(plain); at >= 0 && at < xref; at = pdf.indexOf(plain, at + 1)) {
      inserts.emplace_back(at + 11, tagged.first(7));
    }
  }
  if (inserts.empty()) return;
  std::sort(inserts.begin(), inserts.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  auto shifted = [&](long long offset) {
    long long by = 0;
    for (const auto& [at, text] : inserts) by += at < offset ? text.size() : 0;
    return offset + by;
  };

  // Offsets first, in the table's own fixed-width fields, then the names from the back, so the
  // positions found above stay valid.
  char field[11];
  for (long long i = 0; i < count; ++i) {
    const qsizetype entry = entries + 20 * i;
    if (pdf[entry + 17] != 'n') continue;
    std::snprintf(field, sizeof field, "%010lld", shifted(NumberAt(pdf, entry)));
    pdf.replace(entry, 10, field, 10);
  }
  const qsizetype valueAt = startxref + 11;
  const long long oldXref = NumberAt(pdf, valueAt);
  qsizetype valueEnd = valueAt;
  while (valueEnd < pdf.size() && pdf[valueEnd] >= '0' && pdf[valueEnd] <= '9') ++valueEnd;
  pdf.replace(valueAt, valueEnd - valueAt, QByteArray::number(shifted(oldXref)));
  for (auto it = inserts.rbegin(); it != inserts.rend(); ++it) pdf.insert(it->first, it->second);
}

}  // namespace gb
