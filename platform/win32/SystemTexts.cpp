#include "platform/SystemTexts.h"

#include <windows.h>

#include <cerrno>
#include <cstring>

#include "platform/win32/WideText.h"

namespace gb {

namespace {

// The Windows error behind a C library error number, so that the text comes in the user's
// language as the system's own messages do.
DWORD WindowsErrorOf(int error) {
  switch (error) {
    case ENOENT:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
      return ERROR_ACCESS_DENIED;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case ENOSPC:
      return ERROR_DISK_FULL;
    case EBADF:
      return ERROR_INVALID_HANDLE;
    case EISDIR:
      return ERROR_DIRECTORY;
    case EMFILE:
      return ERROR_TOO_MANY_OPEN_FILES;
    case EINVAL:
      return ERROR_INVALID_PARAMETER;
    case EROFS:
      return ERROR_WRITE_PROTECT;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case EBUSY:
    case EAGAIN:
      return ERROR_SHARING_VIOLATION;
    default:
      return 0;
  }
}

}  // namespace

std::string SystemErrorText(int error) {
  if (const DWORD windows = WindowsErrorOf(error)) return WindowsErrorText(windows);
  return TrimSentenceEnd(std::strerror(error));
}

}  // namespace gb
