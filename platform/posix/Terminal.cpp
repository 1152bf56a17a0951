#include "platform/Terminal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace gb {

bool IsTerminal(StandardStream stream) {
  const int fd = stream == StandardStream::Input    ? STDIN_FILENO
                 : stream == StandardStream::Output ? STDOUT_FILENO
                                                    : STDERR_FILENO;
  return ::isatty(fd) == 1;
}

int StandardInputError() { return ::fcntl(STDIN_FILENO, F_GETFD) < 0 ? errno : 0; }

}  // namespace gb
