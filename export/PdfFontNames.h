// Names the embedded font subsets of a Qt-written PDF as subsets.
#pragma once

#include <QByteArray>

namespace gb {

// Qt's PDF writer embeds only the glyphs it uses and tags the font descriptor's name as a subset
// ("QYAAAA+NotoSansCJKsc-Bold"), but writes the fonts' BaseFont without the tag, so readers such
// as pdffonts report the subset as a whole font. Gives each BaseFont its descriptor's tagged
// name and moves the cross-reference table's offsets by the bytes inserted before them. Leaves
// the file untouched where its structure is not the one expected.
void TagSubsetFontNames(QByteArray& pdf);

}  // namespace gb
