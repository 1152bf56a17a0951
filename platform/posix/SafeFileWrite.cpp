#include "platform/SafeFileWrite.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/SystemTexts.h"
#include "platform/common/WriteErrorContext.h"
#include "platform/posix/FileLock.h"
#include "platform/posix/LinkIntoPlace.h"
#include "platform/posix/SaveContent.h"
#include "platform/posix/SaveSignals.h"
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
[[maybe_unused]] constexpr char kOpenFiles[] = "/proc/self/fd/";

// Names the path as the user gave it, made absolute but with its links unresolved, so the
// message shows the name the user knows rather than where a link leads.
[[noreturn]] void ThrowCreateError(const std::filesystem::path& path, int error) {
  std::error_code ignored;
  // An empty name stays empty: libc++ would make it the current folder.
  std::filesystem::path shown = path.empty() ? path : std::filesystem::absolute(path, ignored);
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

// Creates `path`, which must not exist yet. Emscripten's dup opens the path again with the flags
// the file was opened with, which O_CREAT | O_EXCL then makes fail: there the new file is opened
// once more without them.
int OpenNew(const char* path, int flags, mode_t mode) {
  const int fd = ::open(path, flags | O_CREAT | O_EXCL, mode);
#if defined(__EMSCRIPTEN__)
  if (fd >= 0) {
    const int again = ::open(path, flags);
    const int error = errno;
    ::close(fd);
    if (again < 0) ::unlink(path);
    errno = error;
    return again;
  }
#endif
  return fd;
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
#if defined(__EMSCRIPTEN__)
    // Node's file system makes no unnamed files, and the /proc/self/fd it shows is Node's own.
    (void)folder;
    return EOPNOTSUPP;
#else
    if (::access(kOpenFiles, X_OK) != 0) return EOPNOTSUPP;
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | kNewFileFlags, kNewFileMode);
    if (fd < 0) return errno == EISDIR || errno == EINVAL ? EOPNOTSUPP : errno;
    fd_ = FileDescriptor(fd);
    return 0;
#endif
  }

  // 0, or the errno of the failing open.
  int CreateNamed(const std::string& folder) {
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
      std::string path = TemporaryName(folder);
      const HeldSignals held;
      const int fd = OpenNew(path.c_str(), kNewFileFlags, kNewFileMode);
      if (fd >= 0) {
        fd_ = FileDescriptor(fd);
        named_ = std::move(path);
        slot_ = MarkTemporaryName(named_.c_str());
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
      ForgetTemporaryName(std::exchange(slot_, -1));
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
      ForgetTemporaryName(std::exchange(slot_, -1));
    }
    if (fd_.Get() >= 0) fd_.Close();
  }

 private:
  FileDescriptor fd_;
  std::string named_;  // while the file exists under this name
  int slot_ = -1;      // of named_ in the signal handler's list
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
      raw = OpenNew(file.c_str(), kWriteFlags | O_NONBLOCK, kNewFileMode);
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
  if (::fsync(fd) != 0 && (regularFile || errno != EINVAL)) throw EWriteError(errno);
}

// Claims the disk space of the new length before any former byte is overwritten, so a full
// disk or a file-size limit fails with the former file as it was. File systems that cannot
// reserve space are written without.
void ReserveLength(int fd, std::size_t length, off_t formerLength) {
  if (length == 0) return;
#if defined(__EMSCRIPTEN__)
  // Node's file system has no fallocate; posix_fallocate claims the space there.
  const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(length));
  if (error == 0) return;
#else
  if (::fallocate(fd, 0, 0, static_cast<off_t>(length)) == 0) return;
  const int error = errno;
#endif
  if (error == EOPNOTSUPP) return;
  struct stat status;
  if (::fstat(fd, &status) == 0 && status.st_size != formerLength) {
    if (::ftruncate(fd, formerLength) != 0) {
      // the error below says the save failed either way
    }
  }
  throw EWriteError(error);
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
      throw EWriteError(errno);
    }
    Flush(fd.Get(), regularFile);
    if (!fd.Close()) throw EWriteError(errno);
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

// One file on its way to its target: the new content complete and on disk beside it, or, where
// no new file can be made there, kept to be written over the target itself.
struct PreparedFile {
  std::filesystem::path shownPath;
  Target target;
  FileDescriptor former;  // the target, locked until its successor has taken its place
  std::string folder;
  NewFile temp;
  bool inPlace = false;  // a device, a pipe, or a folder closed to new files
  SaveContent* content = nullptr;
};

// Everything that can fail before the target is touched: the target is found and locked, the new
// file made, written and flushed. Throws with nothing left behind.
void Prepare(PreparedFile& file, const std::filesystem::path& path, SaveContent& content,
             WriteCall write, TemporaryKind kind) {
  file.shownPath = path;
  file.content = &content;
  const std::string name = path.string();
  struct stat status;
  if (::stat(name.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    if (S_ISDIR(status.st_mode)) ThrowCreateError(path, EISDIR);
    // Never rename over a device or a pipe.
    file.target = {name, true, status};
    file.inPlace = true;
    return;
  }
  if (name.empty()) ThrowCreateError(path, ENOENT);
  if (const int error = FindTarget(name, file.target); error != 0) ThrowCreateError(path, error);
  const Target& target = file.target;
  // A rename could replace a file the user may not write to; such a file stays as it is, just
  // as an open for writing would have refused it.
  if (target.exists && ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
    ThrowCreateError(path, errno);
  }
  if (target.exists) {
    bool created = false;
    if (const int error = OpenLocked(target.path, false, file.former, created); error != 0) {
      ThrowCreateError(path, error);
    }
  }
  file.folder = FolderOf(target.path);
  int error = kind == TemporaryKind::Unnamed ? file.temp.CreateUnnamed(file.folder) : EOPNOTSUPP;
  if (error == EOPNOTSUPP) error = file.temp.CreateNamed(file.folder);
  if (error != 0) {
    // A folder closed to new files may still hold a file the user can write to.
    if (error != EACCES && error != EPERM) ThrowCreateError(path, error);
    file.inPlace = true;
    return;
  }
  // Nobody else knows the new file yet; locked, it is guarded from its first moment in place.
  LockWholeFile(file.temp.Fd());
  content.WriteTo(file.temp.Fd(), write);
  content.WrittenTo(file.temp.Fd());
  if (target.exists) TakeOverOwnerAndMode(file.temp.Fd(), target.status);
  Flush(file.temp.Fd(), true);
}

// A device or a pipe: written in place, its bytes never called back.
bool IsDevice(const PreparedFile& file) {
  return file.target.exists && !S_ISREG(file.target.status.st_mode);
}

// Puts the prepared content in the target's place.
void Commit(PreparedFile& file, WriteCall write) {
  if (file.inPlace) {
    if (IsDevice(file)) {
      OpenAndWriteInPlace(file.shownPath, file.target.path, *file.content, write);
    } else {
      WriteInPlaceInstead(file.shownPath, file.target, std::move(file.former), *file.content,
                          write);
    }
    return;
  }
  const int replaceError = file.temp.Replace(file.target.path, file.target.exists);
  if (replaceError != 0) {
    if (!RenameBlockedOnly(replaceError)) ThrowCreateError(file.shownPath, replaceError);
    file.temp.Discard();
    WriteInPlaceInstead(file.shownPath, file.target, std::move(file.former), *file.content, write);
    return;
  }
  file.temp.Discard();
  SyncFolder(file.folder);
}

// Both public forms: the content, at hand or produced, goes the same way.
void WriteContentSafely(const std::filesystem::path& path, SaveContent& content, WriteCall write,
                        TemporaryKind kind) {
  NamingTheFile(path, [&] {
    PreparedFile file;
    Prepare(file, path, content, write, kind);
    Commit(file, write);
  });
}

// The whole former content of a prepared file's target, to put back should a later file of its
// set fail; nothing for a file that does not exist yet, for devices and pipes (whose bytes are
// never read: reading one has effects of its own), and for a file this user may write but not
// read.
std::optional<std::string> FormerContent(const PreparedFile& file) {
  if (!file.target.exists || IsDevice(file)) return std::nullopt;
  FileDescriptor fd(::open(file.target.path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return std::nullopt;
  std::string bytes;
  char chunk[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowCreateError(file.shownPath, errno);
    if (got == 0) return bytes;
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
}

// The order a set's files are put in place: devices and pipes first, whose bytes cannot be called
// back (a reader that goes away ends the process before any file is replaced), then files
// written in place, then the renames.
int CommitRank(const PreparedFile& file) {
  if (!file.inPlace) return 2;
  return IsDevice(file) ? 0 : 1;
}

}  // namespace

std::filesystem::path WriteTargetOf(const std::filesystem::path& path) {
  std::error_code error;
  Target target;
  const std::filesystem::path followed =
      std::filesystem::absolute(FindTarget(path.string(), target) == 0 && !target.path.empty()
                                    ? std::filesystem::path(target.path)
                                    : path,
                                error);
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(followed, error);
  return error || resolved.empty() ? followed : resolved;
}

void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes, WriteCall write,
                     TemporaryKind kind) {
  const SaveSignals signals;
  SaveContent content(bytes);
  WriteContentSafely(path, content, write, kind);
}

void WriteFileSafelyFrom(const std::filesystem::path& path, const ContentProducer& produce,
                         WriteCall write, TemporaryKind kind) {
  const SaveSignals signals;
  SaveContent content(produce);
  WriteContentSafely(path, content, write, kind);
}

void WriteFilesSafely(std::span<const FileToWrite> files, const std::function<void()>& beforeCommit,
                      WriteCall write, TemporaryKind kind) {
  const SaveSignals signals;
  struct Entry {
    std::unique_ptr<SaveContent> content;
    PreparedFile file;
    std::optional<std::string> former;
  };
  std::vector<Entry> entries(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    Entry& entry = entries[i];
    entry.content = std::make_unique<SaveContent>(files[i].bytes);
    NamingTheFile(files[i].path,
                  [&] { Prepare(entry.file, files[i].path, *entry.content, write, kind); });
    if (files.size() > 1) entry.former = FormerContent(entry.file);
  }
  if (beforeCommit) beforeCommit();
  std::vector<std::size_t> order;
  for (const int rank : {0, 1, 2}) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (CommitRank(entries[i].file) == rank) order.push_back(i);
    }
  }
  std::size_t committed = 0;
  try {
    for (; committed < order.size(); ++committed) {
      const std::size_t i = order[committed];
      NamingTheFile(files[i].path, [&] { Commit(entries[i].file, write); });
    }
  } catch (...) {
    // Rare (a rename refused after every new file was complete, a write in place that failed):
    // the files already in place, and one that failed while written in place, get their former
    // content back, or go again where there was none.
    const bool failedInPlace = committed < order.size() && entries[order[committed]].file.inPlace;
    if (failedInPlace) ++committed;
    while (committed-- > 0) {
      const std::size_t i = order[committed];
      const Entry& entry = entries[i];
      try {
        if (entry.former) {
          SaveContent former(*entry.former);
          WriteContentSafely(files[i].path, former, SystemWrite, kind);
        } else if (!entry.file.target.exists) {
          ::unlink(entry.file.target.path.c_str());
        }  // a device or a pipe: what went out cannot be called back
      } catch (...) {
        // the first failure is the one to report
      }
    }
    throw;
  }
}

std::string WriteErrorReason(int systemError) { return SystemErrorText(systemError); }

}  // namespace gb
