// The application title every message box is captioned with.
#pragma once

#include <QString>

namespace gb {

// From the executable's path: the folder is dropped, the name is cut before its first full stop,
// the first character is upper-cased and every one after it lower-cased ("/opt/ABC.DEF.EXE"
// gives "Abc", "/usr/bin/gb18306" gives "Gb18306"). Unix file names are mostly lower case where
// Windows ones were capitalised; the title reads the same either way.
QString TitleFromExecutablePath(const QString& executablePath);

}  // namespace gb
