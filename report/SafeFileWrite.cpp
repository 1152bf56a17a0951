#include "report/SafeFileWrite.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "text/Errors.h"

namespace gb {

namespace {

constexpr int kMaxLinkHops = 40;  // the kernel's own limit
constexpr int kTempNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // the kernel takes the umask off
constexpr int kWriteFlags = O_WRONLY | O_CLOEXEC;

// The system's error text as the tail of a sentence: no trailing blanks, breaks or full stops.
std::string SystemText(int error) {
  char buffer[256];
  std::string text = strerror_r(error, buffer, sizeof buffer);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}

// Names the path as the user gave it, made absolute but with its links unresolved, so the
// message shows the name the user knows rather than where a link leads.
[[noreturn]] void ThrowCreateError(const std::filesystem::path& path, int error) {
  std::error_code ignored;
  std::filesystem::path shown = std::filesystem::absolute(path, ignored);
  if (shown.empty()) shown = path;
  throw EFCreateError("Cannot create file \"" + shown.string() + "\". " + SystemText(error));
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  void Reset(int fd) { fd_ = fd; }
  // Some file systems (NFS, quotas) report a failed write only when the file is closed.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// A new file in the target's folder that is removed again unless it has been renamed into place.
struct TempFile {
  TempFile() = default;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (!path.empty()) ::unlink(path.c_str());
  }
  std::string path;
  FileDescriptor fd;
};

// Where the bytes finally land: the file at the end of any chain of links.
struct Target {
  std::string path;
  bool exists = false;
  struct stat status = {};
};

// The folder part of `path` with its final slash; empty for a bare name in the current folder.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

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

// Returns 0 or the errno of the failing open.
int CreateTempFile(const std::string& folder, TempFile& temp) {
  thread_local std::mt19937_64 random{std::random_device{}()};
  constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    std::string path = folder + ".gb18306-";
    for (int i = 0; i < 8; ++i) path += kLetters[random() % (sizeof kLetters - 1)];
    path += ".tmp";
    const int fd = ::open(path.c_str(), kWriteFlags | O_CREAT | O_EXCL, kNewFileMode);
    if (fd >= 0) {
      temp.path = std::move(path);
      temp.fd.Reset(fd);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

void WriteAll(int fd, std::string_view bytes, WriteCall write) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0 || static_cast<std::size_t>(written) > bytes.size()) throw EWriteError();
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

// Pipes and terminals cannot be flushed to a disk (EINVAL); for them that is no failure.
void FlushAndClose(FileDescriptor& fd, bool regularFile) {
  if (::fsync(fd.Get()) != 0 && (regularFile || errno != EINVAL)) throw EWriteError();
  if (!fd.Close()) throw EWriteError();
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

void WriteInPlace(const std::filesystem::path& shownPath, const std::string& file,
                  std::string_view bytes, WriteCall write, bool existed) {
  // Opened without blocking: a pipe nobody reads would otherwise hold the window forever; it
  // fails at once instead ("No such device or address"). Writing itself blocks as usual.
  FileDescriptor fd(
      ::open(file.c_str(), kWriteFlags | O_CREAT | O_TRUNC | O_NONBLOCK, kNewFileMode));
  if (fd.Get() < 0) ThrowCreateError(shownPath, errno);
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ThrowCreateError(shownPath, errno);
  }
  struct stat status;
  const bool regularFile = ::fstat(fd.Get(), &status) == 0 && S_ISREG(status.st_mode);
  try {
    WriteAll(fd.Get(), bytes, write);
    FlushAndClose(fd, regularFile);
  } catch (...) {
    if (!existed) ::unlink(file.c_str());
    throw;
  }
}

// Failures of a rename that an in-place write can still get around: the target is a mount point
// or sits in a sticky folder it does not belong to.
bool RenameBlockedOnly(int error) {
  return error == EBUSY || error == EXDEV || error == EPERM || error == EACCES;
}

}  // namespace

void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes, WriteCall write) {
  const std::string name = path.string();
  struct stat status;
  if (::stat(name.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    // Never rename over a device or a pipe; a folder fails in the open with the system's text.
    WriteInPlace(path, name, bytes, write, true);
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

  TempFile temp;
  if (const int error = CreateTempFile(FolderOf(target.path), temp); error != 0) {
    // A folder closed to new files may still hold a file the user can write to.
    if (error == EACCES || error == EPERM) {
      WriteInPlace(path, target.path, bytes, write, target.exists);
      return;
    }
    ThrowCreateError(path, error);
  }
  WriteAll(temp.fd.Get(), bytes, write);
  if (target.exists) TakeOverOwnerAndMode(temp.fd.Get(), target.status);
  FlushAndClose(temp.fd, true);
  if (::rename(temp.path.c_str(), target.path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.path.c_str());
    temp.path.clear();
    if (!RenameBlockedOnly(error)) ThrowCreateError(path, error);
    WriteInPlace(path, target.path, bytes, write, target.exists);
    return;
  }
  temp.path.clear();
  SyncFolder(FolderOf(target.path));
}

}  // namespace gb
