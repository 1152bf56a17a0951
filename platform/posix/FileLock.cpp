#include "platform/posix/FileLock.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace gb {

int LockWholeFile(int fd) {
  struct flock lock = {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;  // to the end, however far the file grows
  if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return 0;
  // Some systems say EACCES for a lock held elsewhere; the user sees one text for it.
  if (errno == EACCES || errno == EAGAIN) return EAGAIN;
  // A file system without locks (a network mount without its lock service) or a kernel
  // without open-file locks: the report is saved unguarded rather than not at all.
  if (errno == ENOLCK || errno == EINVAL || errno == EOPNOTSUPP) return 0;
  return errno;
}

bool StillNamedBy(int fd, const char* path) {
  struct stat opened;
  struct stat named;
  return ::fstat(fd, &opened) == 0 && ::stat(path, &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

}  // namespace gb
