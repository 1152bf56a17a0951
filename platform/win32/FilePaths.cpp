#include "platform/FilePaths.h"

#include "platform/win32/WideText.h"

namespace gb {

std::filesystem::path PathFromText(std::string_view text) {
  return std::filesystem::path(WideFromUtf8(text));
}

std::string TextOfPath(const std::filesystem::path& path) { return Utf8FromWide(path.wstring()); }

}  // namespace gb
