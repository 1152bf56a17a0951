#include "platform/FilePaths.h"

namespace gb {

std::filesystem::path PathFromText(std::string_view text) {
  return std::filesystem::path(std::string(text));
}

std::string TextOfPath(const std::filesystem::path& path) { return path.string(); }

}  // namespace gb
