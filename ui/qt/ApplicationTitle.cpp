#include "ui/qt/ApplicationTitle.h"

namespace gb {

QString TitleFromExecutablePath(const QString& executablePath) {
  QString name = executablePath.mid(executablePath.lastIndexOf(u'/') + 1);
  const qsizetype dot = name.indexOf(u'.');
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  // The first character keeps its case; it may be a surrogate pair, which must not be split.
  const qsizetype firstLength = name.at(0).isHighSurrogate() && name.size() > 1 ? 2 : 1;
  return name.left(firstLength) + name.mid(firstLength).toLower();
}

}  // namespace gb
