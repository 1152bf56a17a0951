// The program's UTF-8 texts and file names as Qt holds them.
#pragma once

#include <QFile>
#include <QString>
#include <filesystem>
#include <string_view>

namespace gb {

inline QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
inline QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A name from a dialog as the file system takes it.
inline std::filesystem::path FileSystemPath(const QString& name) {
  return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace gb
