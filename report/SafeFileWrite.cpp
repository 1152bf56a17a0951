#include "report/SafeFileWrite.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>

#include <cerrno>
#include <random>
#include <string>
#include <utility>

#include "report/FileLock.h"
#include "report/LinkIntoPlace.h"
#include "report/SaveContent.h"
#include "report/SaveSignals.h"
#include "report/SystemTexts.h"
#include "text/Errors.h"

namespace gb {

namespace {

constexpr int kMaxLinkHops = 40;  // the kernel's own limit
constexpr int kTempNameAttempts = 100;
constexpr int kOpenAttempts = 10;      // a name replaced between open and lock is opened again
constexpr mode_t kNewFileMode = 0666;  // the kernel takes the umask off
constexpr int kWriteFlags = O_WRONLY | O_CLOEXEC;
// The new file is read back where a refused rename makes the content go in place after all.
constexpr int kNewFileFlags = O_RDWR | O_CLOEXEC;
constexpr char kOpenFiles[] = "/proc/self/fd/";

// Names the path as the user gave it, made absolute but with its links unresolved, so the
// message shows the name the user knows rather than where a link leads.
[[noreturn]] void ThrowCreateError(const std::filesystem::path& path, int error) {
  std::error_code ignored;
  std::filesystem::path shown = std::filesystem::absolute(path, ignored);
  if (shown.empty()) shown = path;
  throw EFCreateError("Cannot create file \"" + FileNameText(shown.string()) + "\". " +
                      SystemErrorText(error));
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  // Some file systems (NFS, quotas) report a failed write only when the file is closed.
  bool Close() {
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The folder part of `path` with its final slash; empty for a bare name in the current folder.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string TemporaryName(const std::string& folder) {
  thread_local std::mt19937_64 random{std::random_device{}()};
  constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string path = folder + ".gb18306-";
  for (int i = 0; i < 8; ++i) path += kLetters[random() % (sizeof kLetters - 1)];
  return path + ".tmp";
}

// The new file beside the target. Unnamed, it vanishes with the process whatever ends it, and
// gets a name only for the instant of the rename; named, it is removed again, by the signal
// handler if need be, unless it has replaced the target.
class NewFile {
 public:
  NewFile() = default;
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  ~NewFile() { Discard(); }

  int Fd() const { return fd_.Get(); }

  // 0, or the errno of the failing open; EOPNOTSUPP where the file system makes no unnamed
  // files or no name can be given to one later.
  int CreateUnnamed(const std::string& folder) {
    if (::access(kOpenFiles, X_OK) != 0) return EOPNOTSUPP;
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | kNewFileFlags, kNewFileMode);
    if (fd < 0) return errno == EISDIR || errno == EINVAL ? EOPNOTSUPP : errno;
    fd_ = FileDescriptor(fd);
    return 0;
  }

  // 0, or the errno of the failing open.
  int CreateNamed(const std::string& folder) {
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
      std::string path = TemporaryName(folder);
      const HeldSignals held;
      const int fd = ::open(path.c_str(), kNewFileFlags | O_CREAT | O_EXCL, kNewFileMode);
      if (fd >= 0) {
        fd_ = FileDescriptor(fd);
        named_ = std::move(path);
        MarkTemporaryName(named_.c_str());
        return 0;
      }
      if (errno != EEXIST) return errno;
    }
    return EEXIST;
  }

  // Puts the file in the target's place. Returns 0 or the errno of the failing step.
  int Replace(const std::string& target, bool targetExists) {
    if (!named_.empty()) {
      const HeldSignals held;
      if (::rename(named_.c_str(), target.c_str()) != 0) return errno;
      named_.clear();
      ForgetTemporaryName();
      return 0;
    }
    // Where nothing is to be replaced the file takes its final name at once, complete.
    if (!targetExists) {
      const int error = LinkUnnamed(fd_.Get(), target);
      if (error != EEXIST) return error;
    }
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
      const int error = LinkIntoPlace(fd_.Get(), TemporaryName(FolderOf(target)), target);
      if (error != EEXIST) return error;
    }
    return EEXIST;
  }

  // Gives up the file: a named one is removed, an unnamed one goes with its descriptor.
  void Discard() {
    if (!named_.empty()) {
      const HeldSignals held;
      ::unlink(named_.c_str());
      named_.clear();
      ForgetTemporaryName();
    }
    if (fd_.Get() >= 0) fd_.Close();
  }

 private:
  FileDescriptor fd_;
  std::string named_;  // while the file exists under this name
};

// Where the bytes finally land: the file at the end of any chain of links.
struct Target {
  std::string path;
  bool exists = false;
  struct stat status = {};
};

// Follows links hop by hop instead of resolving the whole path, so a dangling link leads to the
// file it names and that file, not the link, is what gets created. Returns 0 or an errno.
int FindTarget(std::string path, Target& target) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0) {
      if (errno != ENOENT) return errno;
      target = {path, false, {}};
      return 0;
    }
    if (!S_ISLNK(status.st_mode)) {
      target = {path, true, status};
      return 0;
    }
    char link[PATH_MAX];
    const ssize_t size = ::readlink(path.c_str(), link, sizeof link);
    if (size < 0) return errno;
    if (static_cast<std::size_t>(size) >= sizeof link) return ENAMETOOLONG;
    std::string next(link, static_cast<std::size_t>(size));
    path = next.front() == '/' ? next : FolderOf(path) + next;
  }
  return ELOOP;
}

// Opens `file` for writing without truncating it, creating it where `create` allows, and locks
// it if it is a regular file. A pipe is opened without blocking, so one nobody reads fails at
// once ("No such device or address") instead of holding the window forever; writing blocks as
// usual. Returns 0 or an errno; `created` tells whether the file is new.
int OpenLocked(const std::string& file, bool create, FileDescriptor& out, bool& created) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    created = false;
    int raw = -1;
    if (create) {
      raw = ::open(file.c_str(), kWriteFlags | O_CREAT | O_EXCL | O_NONBLOCK, kNewFileMode);
      created = raw >= 0;
    }
    if (raw < 0 && (!create || errno == EEXIST))
      raw = ::open(file.c_str(), kWriteFlags | O_NONBLOCK);
    if (raw < 0) {
      if (create && errno == ENOENT) continue;  // removed between the two opens
      return errno;
    }
    FileDescriptor fd(raw);
    const int flags = ::fcntl(raw, F_GETFL);
    if (flags < 0 || ::fcntl(raw, F_SETFL, flags & ~O_NONBLOCK) != 0) return errno;
    struct stat status;
    if (::fstat(raw, &status) != 0) return errno;
    if (S_ISREG(status.st_mode)) {
      if (const int error = LockWholeFile(raw); error != 0) {
        created = false;  // whoever holds the lock has it now
        return error;
      }
      if (!StillNamedBy(raw, file.c_str())) continue;
    }
    out = std::move(fd);
    return 0;
  }
  return EAGAIN;
}

// Pipes and terminals cannot be flushed to a disk (EINVAL); for them that is no failure.
void Flush(int fd, bool regularFile) {
  if (::fsync(fd) != 0 && (regularFile || errno != EINVAL)) throw EWriteError();
}

// Claims the disk space of the new length before any former byte is overwritten, so a full
// disk or a file-size limit fails with the former file as it was. File systems that cannot
// reserve space are written without.
void ReserveLength(int fd, std::size_t length, off_t formerLength) {
  if (length == 0 || ::fallocate(fd, 0, 0, static_cast<off_t>(length)) == 0) return;
  if (errno == EOPNOTSUPP) return;
  struct stat status;
  if (::fstat(fd, &status) == 0 && status.st_size != formerLength) {
    if (::ftruncate(fd, formerLength) != 0) {
      // the error below says the save failed either way
    }
  }
  throw EWriteError();
}

// Best effort: only root may hand a file to its former owner, and some file systems keep no
// permission bits at all; neither is a reason to lose the user's report.
void TakeOverOwnerAndMode(int fd, const struct stat& former) {
  if (::fchown(fd, former.st_uid, former.st_gid) != 0) {
    // not the owner's to give away; the mode below still applies
  }
  if (::fchmod(fd, former.st_mode & 07777) != 0) {
    // file system without permission bits
  }
}

// The durability of the rename itself; the data is already safe, so failures are ignored.
void SyncFolder(const std::string& folder) {
  FileDescriptor fd(
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0 && ::fsync(fd.Get()) != 0) {
    // nothing to undo
  }
}

// Writes the content over `file` through `fd` (opened and locked by OpenLocked).
void WriteInPlace(FileDescriptor fd, const std::string& file, bool created, SaveContent& content,
                  WriteCall write) {
  struct stat status;
  const bool regularFile = ::fstat(fd.Get(), &status) == 0 && S_ISREG(status.st_mode);
  try {
    std::size_t length = 0;
    if (regularFile) {
      length = content.Length();
      ReserveLength(fd.Get(), length, status.st_size);
    }
    content.WriteTo(fd.Get(), write);
    if (regularFile && ::ftruncate(fd.Get(), static_cast<off_t>(length)) != 0) {
      throw EWriteError();
    }
    Flush(fd.Get(), regularFile);
    if (!fd.Close()) throw EWriteError();
  } catch (...) {
    if (created) ::unlink(file.c_str());
    throw;
  }
}

void OpenAndWriteInPlace(const std::filesystem::path& shownPath, const std::string& file,
                         SaveContent& content, WriteCall write) {
  FileDescriptor fd;
  bool created = false;
  if (const int error = OpenLocked(file, true, fd, created); error != 0) {
    ThrowCreateError(shownPath, error);
  }
  WriteInPlace(std::move(fd), file, created, content, write);
}

// Where no new file can take the target's place: the locked former file is overwritten, or a
// missing one made.
void WriteInPlaceInstead(const std::filesystem::path& shownPath, const Target& target,
                         FileDescriptor former, SaveContent& content, WriteCall write) {
  if (target.exists) {
    WriteInPlace(std::move(former), target.path, false, content, write);
  } else {
    OpenAndWriteInPlace(shownPath, target.path, content, write);
  }
}

// Failures of a rename that an in-place write can still get around: the target is a mount point
// or sits in a sticky folder it does not belong to.
bool RenameBlockedOnly(int error) {
  return error == EBUSY || error == EXDEV || error == EPERM || error == EACCES;
}

// Both public forms: the content, at hand or produced, goes the same way.
void WriteContentSafely(const std::filesystem::path& path, SaveContent& content, WriteCall write,
                        TemporaryKind kind) {
  const SaveSignals signals;
  const std::string name = path.string();
  struct stat status;
  if (::stat(name.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    // Never rename over a device or a pipe; a folder fails in the open with the system's text.
    OpenAndWriteInPlace(path, name, content, write);
    return;
  }
  if (name.empty()) ThrowCreateError(path, ENOENT);
  Target target;
  if (const int error = FindTarget(name, target); error != 0) ThrowCreateError(path, error);
  // A rename could replace a file the user may not write to; such a file stays as it is, just
  // as an open for writing would have refused it.
  if (target.exists && ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
    ThrowCreateError(path, errno);
  }
  // The former report stays locked until its successor has taken its place.
  FileDescriptor former;
  if (target.exists) {
    bool created = false;
    if (const int error = OpenLocked(target.path, false, former, created); error != 0) {
      ThrowCreateError(path, error);
    }
  }

  const std::string folder = FolderOf(target.path);
  NewFile temp;
  int error = kind == TemporaryKind::Unnamed ? temp.CreateUnnamed(folder) : EOPNOTSUPP;
  if (error == EOPNOTSUPP) error = temp.CreateNamed(folder);
  if (error != 0) {
    // A folder closed to new files may still hold a file the user can write to.
    if (error != EACCES && error != EPERM) ThrowCreateError(path, error);
    WriteInPlaceInstead(path, target, std::move(former), content, write);
    return;
  }
  // Nobody else knows the new file yet; locked, it is guarded from its first moment in place.
  LockWholeFile(temp.Fd());
  content.WriteTo(temp.Fd(), write);
  content.WrittenTo(temp.Fd());
  if (target.exists) TakeOverOwnerAndMode(temp.Fd(), target.status);
  Flush(temp.Fd(), true);
  if (const int replaceError = temp.Replace(target.path, target.exists); replaceError != 0) {
    if (!RenameBlockedOnly(replaceError)) ThrowCreateError(path, replaceError);
    temp.Discard();
    WriteInPlaceInstead(path, target, std::move(former), content, write);
    return;
  }
  temp.Discard();
  SyncFolder(folder);
}

}  // namespace

void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes, WriteCall write,
                     TemporaryKind kind) {
  SaveContent content(bytes);
  WriteContentSafely(path, content, write, kind);
}

void WriteFileSafelyFrom(const std::filesystem::path& path, const ContentProducer& produce,
                         WriteCall write, TemporaryKind kind) {
  SaveContent content(produce);
  WriteContentSafely(path, content, write, kind);
}

}  // namespace gb
