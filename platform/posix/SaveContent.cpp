#include "platform/posix/SaveContent.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/common/WriteErrorContext.h"
#include "text/Errors.h"

namespace gb {

namespace {

constexpr std::size_t kCopyChunk = 1 << 16;

// An unnamed file for the content alone; where the file system makes no unnamed files, a named
// one is removed again at once.
const char* ScratchFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder == nullptr || *folder == '\0' ? "/tmp" : folder;
}

int OpenScratchFile() {
  const char* folder = ScratchFolder();
  int fd = ::open(folder, O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  std::string name = std::string(folder).append("/.gb18306-XXXXXX");
  fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd >= 0) ::unlink(name.c_str());
  return fd;
}

std::size_t LengthOf(int fd) {
  struct stat status;
  if (::fstat(fd, &status) != 0) throw EWriteError(errno);
  return static_cast<std::size_t>(status.st_size);
}

}  // namespace

std::ptrdiff_t SystemWrite(FileHandle file, const void* data, std::size_t size) {
  return ::write(static_cast<int>(file), data, size);
}

void WriteAll(int fd, std::string_view bytes, WriteCall write) {
  while (!bytes.empty()) {
    const std::ptrdiff_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0 || static_cast<std::size_t>(written) > bytes.size()) {
      throw EWriteError(written < 0 ? errno : 0);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

SaveContent::~SaveContent() {
  if (copy_ >= 0) ::close(copy_);
}

void SaveContent::WriteTo(int fd, WriteCall write) {
  if (bytesAtHand_) {
    WriteAll(fd, bytes_, write);
  } else if (copy_ >= 0) {
    std::vector<char> chunk(kCopyChunk);
    for (std::size_t offset = 0; offset < copyLength_;) {
      const ssize_t got = ::pread(copy_, chunk.data(), chunk.size(), static_cast<off_t>(offset));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) throw EWriteError(got < 0 ? errno : 0);
      WriteAll(fd, std::string_view(chunk.data(), static_cast<std::size_t>(got)), write);
      offset += static_cast<std::size_t>(got);
    }
  } else {
    (*produce_)([&](std::string_view piece) { WriteAll(fd, piece, write); });
  }
}

void SaveContent::WrittenTo(int fd) {
  if (bytesAtHand_ || copy_ >= 0) return;
  copy_ = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (copy_ < 0) throw EWriteError(errno);
  copyLength_ = LengthOf(copy_);
}

std::size_t SaveContent::Length() {
  if (bytesAtHand_) return bytes_.size();
  if (copy_ < 0) {
    // A failure here is the scratch file's, not the target's: it says so.
    NamingTheFile(std::filesystem::path(ScratchFolder()) / "(a scratch file)", [&] {
      const int scratch = OpenScratchFile();
      if (scratch < 0) throw EWriteError(errno);
      copy_ = scratch;
      (*produce_)([&](std::string_view piece) { WriteAll(scratch, piece, SystemWrite); });
      copyLength_ = LengthOf(copy_);
    });
  }
  return copyLength_;
}

}  // namespace gb
