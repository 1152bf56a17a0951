// Replacing a file so that a failure never leaves it half-written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string_view>

namespace gb {

// An open file as the system names it: a descriptor on POSIX, a handle on Windows.
using FileHandle = std::intptr_t;

// The call all file bytes go through: up to `size` bytes of `data` into `file`; returns how many
// were written, or -1 with the system's error set. Tests pass one that fails part-way.
using WriteCall = std::ptrdiff_t (*)(FileHandle file, const void* data, std::size_t size);

// The system's own write.
std::ptrdiff_t SystemWrite(FileHandle file, const void* data, std::size_t size);

// Produces the whole content by calling `put` with one piece after the other; called once.
// Whatever it throws ends the write with the target unchanged.
using ContentProducer = std::function<void(const std::function<void(std::string_view)>& put)>;

// How the new file is kept before it replaces the target. Unnamed is used wherever the file
// system offers it; Named exists for file systems that do not, and for the tests of them.
enum class TemporaryKind { Unnamed, Named };

// Replaces the file at `path` with `bytes`: they go to a new file in the same folder, which is
// flushed to disk and then renamed over the target, so the former file stays whole until the
// new one is complete. The new file has no name until the instant of the rename, so even a
// process killed outright leaves nothing behind; where the file system cannot make unnamed
// files, a named one is removed again by SIGINT, SIGTERM, SIGHUP and SIGPIPE before they end
// the process. SIGXFSZ is ignored meanwhile: a file-size limit is an ordinary write error.
//
// A symbolic link stays a link; the file at the end of its chain is replaced. The former file's
// permission bits are kept; a new file gets 0666 less the umask. A file the user may not write
// to is refused, even where the folder would allow replacing it. Devices and pipes, and files in
// folders where no new file can be made but the file itself is writable, are written in place;
// there the new length is reserved before the first byte is overwritten, so a full disk leaves
// the former file whole.
//
// A report being replaced or written in place is locked (an advisory whole-file lock, see
// FileLock.h): a second save of the same file meanwhile fails as it could not be created,
// "Resource temporarily unavailable", and the first one's report stays whole.
//
// Throws EFCreateError ("Cannot create file "<absolute path>". <system text>") when the file
// cannot be made, opened or locked, EWriteError when writing, flushing or closing fails. Either
// way no temporary file is left behind and the former file is unchanged.
void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes,
                     WriteCall write = SystemWrite, TemporaryKind kind = TemporaryKind::Unnamed);

// The same safe replacement for content produced piece by piece (a batch of any length): memory
// stays flat, the pieces go straight into the new file. Should the target have to be written in
// place after all, the content is first kept in an unnamed file of the temporary folder (TMPDIR)
// or read back from the new file, so a failure still leaves the former file whole. Whatever
// `produce` throws is passed on, with the target unchanged and no file left behind.
void WriteFileSafelyFrom(const std::filesystem::path& path, const ContentProducer& produce,
                         WriteCall write = SystemWrite,
                         TemporaryKind kind = TemporaryKind::Unnamed);

// The file a safe write of `path` lands in: absolute, at the end of any chain of links (a
// dangling one included: the write creates the file it names), its folders' links resolved. Two
// paths with one landing place are one file.
std::filesystem::path WriteTargetOf(const std::filesystem::path& path);

// One file of a set written together.
struct FileToWrite {
  std::filesystem::path path;
  std::string_view bytes;
};

// Replaces several files as one: every new file is written and flushed beside its target first,
// and only when all are complete are they put in place, so a file that cannot be written leaves
// every target as it was. Should putting one in place fail after others were, those get their
// former content back (read before anything was written) or are removed again where they are
// new. Devices and pipes, whose bytes cannot be called back, are written before any file is
// replaced.
// Throws as WriteFileSafely, for the first file that fails. `beforeCommit`, where given, runs
// once every new file is complete and before the first is put in place (output to a stream
// that must not fail either); whatever it throws leaves every target unchanged.
void WriteFilesSafely(std::span<const FileToWrite> files,
                      const std::function<void()>& beforeCommit = {}, WriteCall write = SystemWrite,
                      TemporaryKind kind = TemporaryKind::Unnamed);

}  // namespace gb
