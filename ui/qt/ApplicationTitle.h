// The application title every message box is captioned with.
#pragma once

#include <QString>

namespace gb {

// From the executable's path: the folder is dropped, the name is cut before its first full stop,
// the first character keeps its case and every one after it is lower-cased ("/opt/ABC.DEF.EXE"
// gives "Abc", "/usr/bin/gb18306" gives "gb18306").
QString TitleFromExecutablePath(const QString& executablePath);

}  // namespace gb
