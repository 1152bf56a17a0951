// Giving a finished unnamed file (O_TMPFILE) the name of the file it replaces.
#pragma once

#include <string>

namespace gb {

// Links the unnamed file open as `fd` under `temporaryName` and renames that over `target`.
// Between the two steps the file has a name of its own, and a process killed there outright
// would leave it behind; so both run in a short-lived child process, which finishes them even
// if this one is killed meanwhile. Where no child can be started they run here. Returns 0 or
// the errno of the failing step (EEXIST: the temporary name is taken, try another); on failure
// nothing is left under `temporaryName`.
int LinkIntoPlace(int fd, const std::string& temporaryName, const std::string& target);

// Links the unnamed file under `name`, which must not exist. Returns 0 or the errno.
int LinkUnnamed(int fd, const std::string& name);

}  // namespace gb
