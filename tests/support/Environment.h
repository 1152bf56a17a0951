// Setting environment variables in tests, on every system.
#pragma once

#include <cstdlib>
#include <string>

namespace gb::test {

// POSIX reads the user's locale from LC_ALL and friends; Windows from its regional settings, so
// tests that choose a locale through the environment have nothing to test there.
#ifdef _WIN32
inline constexpr bool kWindows = true;
inline constexpr bool kLocaleFromEnvironment = false;
inline void SetEnv(const char* name, const std::string& value) { _putenv_s(name, value.c_str()); }
inline void UnsetEnv(const char* name) { _putenv_s(name, ""); }
#else
inline constexpr bool kWindows = false;
inline constexpr bool kLocaleFromEnvironment = true;
inline void SetEnv(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 1); }
inline void UnsetEnv(const char* name) { ::unsetenv(name); }
#endif

// WebAssembly under Node: the program's POSIX layer over Node's file system, which emscripten
// offers without processes, threads, signals, named pipes, file locks, hard links, file-size
// limits or a umask of the process's own, and with a C library (musl) that encodes few code
// pages. Tests of those skip there, saying which.
#if defined(__EMSCRIPTEN__)
inline constexpr bool kWebAssembly = true;
#else
inline constexpr bool kWebAssembly = false;
#endif

}  // namespace gb::test
