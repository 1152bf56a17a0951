#include <gtest/gtest.h>

#include "ui/win32/Application.h"

namespace gb {
namespace {

TEST(ApplicationTitle, FromTheExecutableName) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\Program Files\\gb18306\\gb18306.exe", L"gb18306"},
      {L"C:\\Tools\\ABC.DEF.EXE", L"Abc"},
      {L"D:/x/Gb18306.exe", L"Gb18306"},
      {L"\u00C4RGER.EXE", L"\u00C4rger"},        // the first letter keeps its case
      {L"\\\\server\\share\\.hidden.exe", L""},  // a name that starts with its full stop
      {L"\U0001D400BC.exe", L"\U0001D400bc"},    // a first character beyond the BMP, whole
      {L"noextension", L"noextension"},
  };
  for (const auto& [path, title] : cases) EXPECT_EQ(TitleFromExecutableName(path), title);
}

}  // namespace
}  // namespace gb
