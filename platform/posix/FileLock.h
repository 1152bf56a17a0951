// The advisory lock that keeps two saves of one report from mixing their bytes.
#pragma once

namespace gb {

// Takes a write lock on the whole file behind `fd` (open for writing), owned by the open file
// itself, so it holds until that descriptor is closed, across threads. Returns 0, or the errno:
// EAGAIN when another save holds the file. Where the file system keeps no locks, 0 as well.
int LockWholeFile(int fd);

// Whether `path` still names the file behind `fd`: a lock on a file that has just been renamed
// away or replaced guards nothing.
bool StillNamedBy(int fd, const char* path);

}  // namespace gb
