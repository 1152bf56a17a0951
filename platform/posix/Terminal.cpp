#include "platform/Terminal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace gb {

bool IsTerminal(StandardStream stream) {
  const int fd = stream == StandardStream::Input    ? STDIN_FILENO
                 : stream == StandardStream::Output ? STDOUT_FILENO
                                                    : STDERR_FILENO;
  return ::isatty(fd) == 1;
}

int StandardInputError() {
  const int flags = ::fcntl(STDIN_FILENO, F_GETFL);
  if (flags < 0) return errno;
  // Open for writing only, or a folder: every read would fail, and a stream takes that for the
  // end of an empty input.
  if ((flags & O_ACCMODE) == O_WRONLY) return EBADF;
  struct stat status;
  if (::fstat(STDIN_FILENO, &status) == 0 && S_ISDIR(status.st_mode)) return EISDIR;
  return 0;
}

bool IsStandardOutputFile(const std::filesystem::path& path) {
  struct stat output, file;
  return ::fstat(STDOUT_FILENO, &output) == 0 && ::stat(path.c_str(), &file) == 0 &&
         output.st_dev == file.st_dev && output.st_ino == file.st_ino;
}

void SetStandardStreamCodePage(StandardStream, const std::string&) {}

}  // namespace gb
