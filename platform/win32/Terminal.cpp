#include "platform/Terminal.h"

#include <windows.h>

#include <cerrno>

namespace gb {

namespace {

HANDLE StandardHandle(StandardStream stream) {
  return GetStdHandle(stream == StandardStream::Input    ? STD_INPUT_HANDLE
                      : stream == StandardStream::Output ? STD_OUTPUT_HANDLE
                                                         : STD_ERROR_HANDLE);
}

}  // namespace

bool IsTerminal(StandardStream stream) {
  DWORD mode = 0;
  return GetConsoleMode(StandardHandle(stream), &mode) != 0;
}

int StandardInputError() {
  const HANDLE input = StandardHandle(StandardStream::Input);
  if (input == nullptr || input == INVALID_HANDLE_VALUE) return EBADF;
  return 0;
}

bool IsStandardOutputFile(const std::filesystem::path& path) {
  BY_HANDLE_FILE_INFORMATION output{}, file{};
  if (!GetFileInformationByHandle(StandardHandle(StandardStream::Output), &output)) return false;
  const HANDLE handle =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool known = GetFileInformationByHandle(handle, &file) != 0;
  CloseHandle(handle);
  return known && output.dwVolumeSerialNumber == file.dwVolumeSerialNumber &&
         output.nFileIndexHigh == file.nFileIndexHigh && output.nFileIndexLow == file.nFileIndexLow;
}

}  // namespace gb
