#include "platform/FilePaths.h"

#include "platform/win32/FileIdentity.h"
#include "platform/win32/WideText.h"

namespace gb {

std::filesystem::path PathFromText(std::string_view text) {
  return std::filesystem::path(WideFromUtf8(text));
}

std::string TextOfPath(const std::filesystem::path& path) { return Utf8FromWide(path.wstring()); }

bool AreOneFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  const std::optional<FileIdentity> first = IdentityOfFile(a);
  return first && first == IdentityOfFile(b);
}

}  // namespace gb
