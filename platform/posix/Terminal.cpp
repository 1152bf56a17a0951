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

bool IsStandardStreamFile(StandardStream stream, const std::filesystem::path& path) {
  const int fd = stream == StandardStream::Input    ? STDIN_FILENO
                 : stream == StandardStream::Output ? STDOUT_FILENO
                                                    : STDERR_FILENO;
  struct stat open, file;
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &file) == 0 &&
         open.st_dev == file.st_dev && open.st_ino == file.st_ino;
}

bool StandardStreamsAreOneFile() {
  struct stat input, output;
  return ::fstat(STDIN_FILENO, &input) == 0 && ::fstat(STDOUT_FILENO, &output) == 0 &&
         S_ISREG(input.st_mode) && input.st_dev == output.st_dev && input.st_ino == output.st_ino;
}

void SetStandardStreamCodePage(StandardStream, const std::string&) {}

}  // namespace gb
