// What makes a file the same file under any of its names on Windows: its volume and its index
// there (a hard link shares both).
#pragma once

#include <windows.h>

#include <compare>
#include <filesystem>
#include <optional>

namespace gb {

struct FileIdentity {
  DWORD volume = 0;
  DWORD indexHigh = 0;
  DWORD indexLow = 0;
  bool operator==(const FileIdentity&) const = default;
};

// Of an open handle to a file on a disk; nothing for a console, a pipe or a folder, and where
// the system cannot tell.
std::optional<FileIdentity> IdentityOfHandle(HANDLE handle);

// Of the file at `path`, at the end of its links; nothing where it cannot be opened.
std::optional<FileIdentity> IdentityOfFile(const std::filesystem::path& path);

}  // namespace gb
