// The safe write on Windows: the same promises as on Linux, under Windows' own faults.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/SafeFileWrite.h"
#include "platform/win32/WideText.h"
#include "text/Errors.h"

namespace gb {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

std::vector<std::string> Names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

std::string CreateErrorText(const std::filesystem::path& path, DWORD error) {
  return "Cannot create file \"" + Utf8FromWide(path.wstring()) + "\". " + WindowsErrorText(error);
}

template <typename Write>
std::string MessageOf(Write write) {
  try {
    write();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "no error";
}

TEST(SafeFileWriteWin32, ReplacesAndLeavesNothingBeside) {
  const TempFolder folder;
  const std::filesystem::path file = folder.Path() / L"结果.csv";
  WriteFileSafely(file, "first");
  WriteFileSafely(file, "second\r\n");
  EXPECT_EQ(ReadFile(file), "second\r\n");
  EXPECT_EQ(Names(folder.Path()).size(), 1u);
}

// Missing folder, read-only file, a file another program holds without sharing: the former
// file is unchanged, nothing is left beside it, and the message carries the system's text.
TEST(SafeFileWriteWin32, RefusalsNameTheSystemsReason) {
  const TempFolder folder;
  const std::filesystem::path missing = folder / "missing" / "r.csv";
  EXPECT_EQ(MessageOf([&] { WriteFileSafely(missing, "x"); }),
            CreateErrorText(missing, ERROR_PATH_NOT_FOUND));

  const std::filesystem::path readOnly = folder / "read-only.csv";
  WriteFile(readOnly, "former");
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(MessageOf([&] { WriteFileSafely(readOnly, "x"); }),
            CreateErrorText(readOnly, ERROR_ACCESS_DENIED));
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFile(readOnly), "former");

  const std::filesystem::path held = folder / "held.csv";
  WriteFile(held, "former");
  const HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(MessageOf([&] { WriteFileSafely(held, "x"); }),
            CreateErrorText(held, ERROR_SHARING_VIOLATION));
  // A set: the first file is complete, the second is held; neither changes.
  const std::filesystem::path other = folder / "other.csv";
  WriteFile(other, "other former");
  const FileToWrite both[] = {{other, "new"}, {held, "new"}};
  EXPECT_NE(MessageOf([&] { WriteFilesSafely(both); }), "no error");
  CloseHandle(holder);
  EXPECT_EQ(ReadFile(held), "former");
  EXPECT_EQ(ReadFile(other), "other former");
  EXPECT_EQ(Names(folder.Path()).size(), 3u);
}

std::ptrdiff_t FailAfterFourBytes(FileHandle file, const void* data, std::size_t size) {
  static thread_local std::size_t written = 0;
  if (written >= 4) {
    written = 0;
    SetLastError(ERROR_DISK_FULL);
    return -1;
  }
  const std::size_t piece = std::min<std::size_t>(size, 4 - written);
  written += piece;
  return SystemWrite(file, data, piece);
}

TEST(SafeFileWriteWin32, AFailingWriteLeavesTheFormerFile) {
  const TempFolder folder;
  const std::filesystem::path file = folder / "r.csv";
  WriteFile(file, "former");
  try {
    WriteFileSafely(file, "much longer content", FailAfterFourBytes);
    ADD_FAILURE() << "no error";
  } catch (const EWriteError& e) {
    // The message stays the window's; its context names the file and the system's reason.
    EXPECT_EQ(e.Message(), "Stream write error");
    std::string name = "\"";
    name.append(Utf8FromWide(file.wstring())).append("\": ");
    EXPECT_TRUE(e.Context().starts_with(name)) << e.Context();
    EXPECT_GT(e.Context().size(), file.string().size() + 4);
  }
  EXPECT_THROW(WriteFileSafelyFrom(
                   file, [](const auto& put) { put("much longer content"); }, FailAfterFourBytes),
               EWriteError);
  EXPECT_EQ(ReadFile(file), "former");
  EXPECT_EQ(Names(folder.Path()).size(), 1u);
}

// A process ended outright in the middle of a save: the system deletes the new file with its
// last handle, and the former file is whole.
TEST(SafeFileWriteWin32, AKilledProcessLeavesNothing) {
  if (const char* target = std::getenv("GB_KILL_DURING_WRITE")) {
    WriteFileSafelyFrom(std::filesystem::path(WideFromUtf8(target)), [](const auto& put) {
      put("half of the new content");
      TerminateProcess(GetCurrentProcess(), 9);
    });
    return;
  }
  const TempFolder folder;
  const std::filesystem::path file = folder / "r.csv";
  WriteFile(file, "former");
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) +
                         L"\" --gtest_filter=SafeFileWriteWin32.AKilledProcessLeavesNothing";
  SetEnvironmentVariableW(L"GB_KILL_DURING_WRITE", file.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &child));
  SetEnvironmentVariableW(L"GB_KILL_DURING_WRITE", nullptr);
  WaitForSingleObject(child.hProcess, 60000);
  DWORD status = 0;
  GetExitCodeProcess(child.hProcess, &status);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_EQ(status, 9u);
  EXPECT_EQ(ReadFile(file), "former");
  EXPECT_EQ(Names(folder.Path()).size(), 1u);
}

}  // namespace
}  // namespace gb
