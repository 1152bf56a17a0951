// Makes the text of a Qt-written PDF extract as the characters that were drawn.
#pragma once

#include <QByteArray>

namespace gb {

// Qt's PDF writer gives each embedded glyph the lowest code point the font maps to it. CJK faces
// share one glyph between a radical (U+2E80 to U+2FDF) and the ideograph it looks like, so 入
// and 大 would copy out of the PDF as ⼊ and ⼤. Rewrites those entries of the ToUnicode maps
// to the ideograph, in place and at the same length, so the file's cross references stay valid.
void RepairPdfTextMaps(QByteArray& pdf);

// The ideograph a radical stands for, or the code point itself where there is none.
char16_t IdeographOfRadical(char16_t codePoint);

}  // namespace gb
