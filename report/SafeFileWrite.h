// Replacing a file so that a failure never leaves it half-written.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace gb {

// The write(2)-shaped call all file bytes go through; tests pass one that fails part-way.
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);

// Replaces the file at `path` with `bytes`: they go to a new file in the same folder, which is
// flushed to disk and then renamed over the target, so the former file stays whole until the
// new one is complete. A symbolic link stays a link; the file at the end of its chain is
// replaced. The former file's permission bits are kept; a new file gets 0666 less the umask. A
// file the user may not write to is refused, even where the folder would allow replacing it.
// Devices and pipes, and files in folders where no new file can be made but the file itself is
// writable, are written in place.
//
// Throws EFCreateError ("Cannot create file "<absolute path>". <system text>") when the file
// cannot be made or opened, EWriteError when writing, flushing or closing fails. Either way no
// temporary file is left behind and, short of the in-place case, the former file is unchanged.
void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes,
                     WriteCall write = ::write);

}  // namespace gb
