#include "platform/posix/LinkIntoPlace.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/FileLock.h"
#include "platform/posix/SaveSignals.h"

namespace gb {

namespace {

// The two steps, with system calls only, so that a child of a threaded process may run them.
int LinkAndRename(const char* self, const char* temporaryName, const char* target) {
  if (::linkat(AT_FDCWD, self, AT_FDCWD, temporaryName, AT_SYMLINK_FOLLOW) != 0) return errno;
  if (::rename(temporaryName, target) != 0) {
    const int error = errno;
    ::unlink(temporaryName);
    return error;
  }
  return 0;
}

void OpenFileName(int fd, char (&name)[64]) { snprintf(name, sizeof name, "/proc/self/fd/%d", fd); }

}  // namespace

int LinkUnnamed(int fd, const std::string& name) {
  char self[64];
  OpenFileName(fd, self);
  return ::linkat(AT_FDCWD, self, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

int LinkIntoPlace(int fd, const std::string& temporaryName, const std::string& target) {
  char self[64];  // the child has the same descriptor under the same number
  OpenFileName(fd, self);
  // Signals that end the process wait until the file is in place or the attempt has failed.
  const HeldSignals held;
  const pid_t child = ::fork();
  if (child < 0) return LinkAndRename(self, temporaryName.c_str(), target.c_str());
  if (child == 0) ::_exit(LinkAndRename(self, temporaryName.c_str(), target.c_str()));
  int status = 0;
  pid_t waited;
  while ((waited = ::waitpid(child, &status, 0)) < 0 && errno == EINTR) {
  }
  if (waited == child && WIFEXITED(status)) return WEXITSTATUS(status);
  // The child was reaped elsewhere (SIGCHLD ignored) or killed: the target tells what happened.
  if (StillNamedBy(fd, target.c_str())) return 0;
  ::unlink(temporaryName.c_str());
  return EIO;
}

}  // namespace gb
