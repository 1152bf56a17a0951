// Starting the built program as a user would: its own folder, environment, rights and limits.
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

// WebAssembly has no processes to start: the tests that run the program as one skip there.
#if defined(__EMSCRIPTEN__)
#define GB_SKIP_WITHOUT_PROCESSES() GTEST_SKIP() << "WebAssembly starts no processes"
#else
#define GB_SKIP_WITHOUT_PROCESSES() static_cast<void>(0)
#endif

#include "TestSupport.h"

namespace gb::test {

// The program where any user can run it: the build tree may lie in a folder only its owner may
// enter (a checkout under /root), so a copy goes to a folder of its own, open to all.
inline const std::string& ProgramForAnyone() {
  static const TempFolder folder;
  static const std::string path = [] {
    namespace fs = std::filesystem;
    const fs::path copy = folder / "gb18306-cli";
    fs::copy_file(GB18306_CLI_PATH, copy, fs::copy_options::overwrite_existing);
    const auto anyone = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(folder.Path(), anyone);
    fs::permissions(copy, anyone);
    return copy.string();
  }();
  return path;
}

struct Launch {
  explicit Launch(std::vector<std::string> arguments = {},
                  std::filesystem::path in = std::filesystem::temp_directory_path(),
                  std::vector<std::string> environment = {"LC_ALL=C.UTF-8"},
                  std::string path = GB18306_CLI_PATH)
      : args(std::move(arguments)),
        folder(std::move(in)),
        env(std::move(environment)),
        program(std::move(path)) {}
  std::vector<std::string> args;
  std::filesystem::path folder;
  std::vector<std::string> env;  // the whole environment
  std::string program;
  std::string standardOutput;  // a file to write to; empty: captured
  bool appendOutput = false;   // append to that file (>>) instead of emptying it first (>)
  std::optional<uid_t> user;   // run as this user (and its like-numbered group); needs root
  bool closeInput = false;     // start with the standard input closed
  std::string standardInput;   // a file or folder to read from; empty: the test's own
  rlim_t fileSizeLimit = RLIM_INFINITY;
};

struct Outcome {
  int status = -1;  // the exit status, -1 when ended by a signal
  int signal = 0;   // the signal that ended it
  std::string out, err;
};

// One started program; Wait() collects it.
class Started {
 public:
  explicit Started(const Launch& launch) {
    const std::string out =
        launch.standardOutput.empty() ? (capture_ / "out").string() : launch.standardOutput;
    const std::string err = (capture_ / "err").string();
    std::vector<char*> argv;
#ifdef GB_TEST_EMULATOR
    argv.push_back(const_cast<char*>(GB_TEST_EMULATOR));
#endif
    argv.push_back(const_cast<char*>(launch.program.c_str()));
    for (const std::string& arg : launch.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> env = launch.env;
    // A sanitizer build's settings (its suppressions) reach the program as they reach the test;
    // the list of suppressions used would end up in the standard error under test.
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
      if (const char* value = std::getenv(name)) {
        env.push_back(std::string(name) + "=" + value + ":print_suppressions=0");
      }
    }
    std::vector<char*> envp;
    for (const std::string& entry : env) envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ != 0) return;
    // Only async-signal-safe calls from here on, then the program itself.
    const int outFd =
        ::open(out.c_str(), O_WRONLY | O_CREAT | (launch.appendOutput ? O_APPEND : O_TRUNC), 0600);
    const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (outFd < 0 || errFd < 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) ::_exit(120);
    if (::chdir(launch.folder.c_str()) != 0) ::_exit(121);
    if (launch.closeInput) ::close(0);
    if (!launch.standardInput.empty()) {
      const int inFd = ::open(launch.standardInput.c_str(), O_RDONLY);
      if (inFd < 0 || ::dup2(inFd, 0) < 0) ::_exit(125);
    }
    const rlimit limit{launch.fileSizeLimit, RLIM_INFINITY};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(122);
    if (launch.user && (::setgroups(0, nullptr) != 0 || ::setgid(*launch.user) != 0 ||
                        ::setuid(*launch.user) != 0)) {
      ::_exit(123);
    }
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(124);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  pid_t Pid() const { return pid_; }

  Outcome Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    Outcome outcome;
    if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    outcome.out = ReadFile(capture_ / "out");
    outcome.err = ReadFile(capture_ / "err");
    return outcome;
  }

 private:
  TempFolder capture_;
  pid_t pid_ = -1;
};

inline Outcome RunToEnd(const Launch& launch) { return Started(launch).Wait(); }

}  // namespace gb::test
