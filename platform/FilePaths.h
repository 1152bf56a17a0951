// File names as the program's texts carry them, and as the file system takes them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace gb {

// A name given as text: on POSIX the bytes as the system passed them, on Windows UTF-8 (the
// program's arguments are made UTF-8 there), so that names outside the code page work.
std::filesystem::path PathFromText(std::string_view text);
// The same text form of a path.
std::string TextOfPath(const std::filesystem::path& path);

// Whether both paths lead to one existing regular file, by any names: the same name, another
// path to it, a symbolic or a hard link. False where either cannot be looked at, and for
// devices, pipes and folders, which are never replaced.
bool AreOneFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace gb
