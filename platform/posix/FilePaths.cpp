#include "platform/FilePaths.h"

#include <sys/stat.h>

namespace gb {

std::filesystem::path PathFromText(std::string_view text) {
  return std::filesystem::path(std::string(text));
}

std::string TextOfPath(const std::filesystem::path& path) { return path.string(); }

bool AreOneFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  struct stat first, second;
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         S_ISREG(first.st_mode) && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace gb
