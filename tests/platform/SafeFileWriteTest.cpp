#include "platform/SafeFileWrite.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <thread>

#include "TestSupport.h"
#include "platform/posix/FileLock.h"
#include "tests/support/Environment.h"
#include "text/Errors.h"

namespace gb {
namespace {

namespace fs = std::filesystem;
using namespace test;

const std::string kReport = "输入参数\r\n" + std::string(10000, 'x') + "\r\n";

mode_t ModeOf(const fs::path& path) {
  struct stat status = {};
  ::stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

std::string CreateError(const fs::path& shown, const char* systemText) {
  return "Cannot create file \"" + shown.string() + "\". " + systemText;
}

// Whether the report goes as produced content, in pieces, rather than as bytes at hand.
bool g_streamed = false;

void Save(const fs::path& path, WriteCall write = SystemWrite,
          TemporaryKind kind = TemporaryKind::Unnamed) {
  if (!g_streamed) {
    WriteFileSafely(path, kReport, write, kind);
    return;
  }
  WriteFileSafelyFrom(
      path,
      [](const auto& put) {
        for (std::size_t at = 0; at < kReport.size(); at += 999) {
          put(std::string_view(kReport).substr(at, 999));
        }
      },
      write, kind);
}

template <class Exception>
std::string MessageOf(const fs::path& path, WriteCall write = SystemWrite,
                      TemporaryKind kind = TemporaryKind::Unnamed) {
  try {
    Save(path, write, kind);
  } catch (const Exception& e) {
    return e.Message();
  }
  return "no error";
}

// The context a failed write gives its message: the file and the system's reason.
std::string ContextOf(const fs::path& path, WriteCall write, TemporaryKind kind) {
  try {
    Save(path, write, kind);
  } catch (const EWriteError& e) {
    return e.Context();
  }
  return "no error";
}

std::size_t g_bytesBeforeFailure = 0;
fs::path g_writtenFile;

// Writes until the budget is spent, then fails as a full disk does.
std::ptrdiff_t DiskFillingWrite(FileHandle fd, const void* data, std::size_t size) {
  if (g_bytesBeforeFailure == 0) {
    errno = ENOSPC;
    return -1;
  }
  const ssize_t written = ::write(static_cast<int>(fd), data, std::min(size, g_bytesBeforeFailure));
  g_bytesBeforeFailure -= static_cast<std::size_t>(std::max<ssize_t>(written, 0));
  return written;
}

// A few bytes at a time, now and then interrupted, and noting which file it writes to.
std::ptrdiff_t TricklingWrite(FileHandle fd, const void* data, std::size_t size) {
  static int calls = 0;
  g_writtenFile = fs::read_symlink("/proc/self/fd/" + std::to_string(fd));
  if (++calls % 5 == 0) {
    errno = EINTR;
    return -1;
  }
  return ::write(static_cast<int>(fd), data, std::min<std::size_t>(size, 7));
}

constexpr TemporaryKind kKinds[] = {TemporaryKind::Unnamed, TemporaryKind::Named};

TEST(WriteFileSafely, NewFileAndOverwrite) {
  if (test::kWebAssembly) GTEST_SKIP() << "emscripten's umask is its own, not the process's";
  for (const bool streamed : {false, true}) {
    g_streamed = streamed;
    const struct {
      mode_t umask;
      int formerMode;  // -1: no former file
      mode_t mode;
    } kCases[] = {{022, -1, 0644},   {077, -1, 0600},   {0, -1, 0666},
                  {022, 0600, 0600}, {077, 0664, 0664}, {022, 0755, 0755}};
    for (const TemporaryKind kind : kKinds) {
      for (const auto& c : kCases) {
        const TempFolder folder;
        if (c.formerMode >= 0) {
          WriteFile(folder / "r.csv", std::string(20000, 'o'));
          fs::permissions(folder / "r.csv", static_cast<fs::perms>(c.formerMode));
        }
        const mode_t previousUmask = ::umask(c.umask);
        Save(folder / "r.csv", TricklingWrite, kind);
        ::umask(previousUmask);
        EXPECT_EQ(ReadFile(folder / "r.csv"), kReport);
        EXPECT_EQ(ModeOf(folder / "r.csv"), c.mode) << std::oct << c.umask << " " << c.formerMode;
        EXPECT_EQ(Entries(folder.Path()), std::set<std::string>{"r.csv"});
      }
    }
  }
  g_streamed = false;
}

// Whatever the producer of the content throws ends the save with nothing changed on disk.
TEST(WriteFileSafely, ProducerFailureLeavesTheFormerStateWhole) {
  for (const TemporaryKind kind : kKinds) {
    for (const bool formerFile : {false, true}) {
      const TempFolder folder;
      if (formerFile) WriteFile(folder / "r.csv", "former");
      const std::set<std::string> before = Entries(folder.Path());
      EXPECT_THROW(WriteFileSafelyFrom(
                       folder / "r.csv",
                       [](const auto& put) {
                         put(kReport);
                         throw EConvertError("stop");
                       },
                       SystemWrite, kind),
                   EConvertError);
      EXPECT_EQ(Entries(folder.Path()), before);
      if (formerFile) {
        EXPECT_EQ(ReadFile(folder / "r.csv"), "former");
      }
    }
  }
}

// Links stay links; the file at the end of the chain is replaced from beside it, so the rename
// never crosses file systems. A dangling link gets the file it names.
TEST(WriteFileSafely, SymbolicLinks) {
  const TempFolder folder;
  fs::create_directory(folder / "a");
  WriteFile(folder / "real.csv", "former");
  fs::permissions(folder / "real.csv", static_cast<fs::perms>(0640));
  fs::create_symlink("../real.csv", folder / "a/one");
  fs::create_symlink("a/one", folder / "two");
  fs::create_symlink(folder / "made.csv", folder / "dangling");
  WriteFileSafely(folder / "two", kReport, TricklingWrite);
  EXPECT_EQ(g_writtenFile.parent_path(), fs::canonical(folder.Path()));
  WriteFileSafely(folder / "dangling", kReport);
  EXPECT_EQ(fs::read_symlink(folder / "two"), "a/one");
  EXPECT_EQ(fs::read_symlink(folder / "a/one"), "../real.csv");
  EXPECT_EQ(ReadFile(folder / "real.csv"), kReport);
  EXPECT_EQ(ModeOf(folder / "real.csv"), 0640u);
  EXPECT_EQ(ReadFile(folder / "made.csv"), kReport);
  EXPECT_EQ(Entries(folder.Path()),
            (std::set<std::string>{"a", "dangling", "made.csv", "real.csv", "two"}));
}

// A pipe cannot be replaced by a rename; it is written in place and stays a pipe.
TEST(WriteFileSafely, PipeIsWrittenInPlace) {
  if (test::kWebAssembly) GTEST_SKIP() << "WebAssembly has no named pipes here";
  const TempFolder folder;
  const fs::path pipe = folder / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // The reading end is open before the writer comes, as a program waiting on the pipe would be.
  const int readEnd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(readEnd, 0);
  ASSERT_EQ(::fcntl(readEnd, F_SETFL, ::fcntl(readEnd, F_GETFL) & ~O_NONBLOCK), 0);
  // A second writer keeps the reader from seeing the end before the report's writer arrives.
  const int holdOpen = ::open(pipe.c_str(), O_WRONLY);
  ASSERT_GE(holdOpen, 0);
  std::string received;
  std::thread reader([&] {
    char buffer[4096];
    for (ssize_t n; (n = ::read(readEnd, buffer, sizeof buffer)) > 0;) received.append(buffer, n);
  });
  WriteFileSafely(pipe, kReport);
  ::close(holdOpen);
  reader.join();
  ::close(readEnd);
  EXPECT_EQ(received, kReport);
  EXPECT_TRUE(fs::is_fifo(pipe));
}

// Nobody reads the pipe: the save fails at once instead of waiting forever for a reader.
TEST(WriteFileSafely, PipeWithoutReaderFailsAtOnce) {
  if (test::kWebAssembly) GTEST_SKIP() << "WebAssembly has no named pipes here";
  const TempFolder folder;
  const fs::path pipe = folder / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(MessageOf<EFCreateError>(pipe), CreateError(pipe, "No such device or address"));
  EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST(WriteFileSafely, CreateErrorsNameTheFileAsTyped) {
  const TempFolder folder;
  WriteFile(folder / "plain.csv", "former");
  fs::create_directory(folder / "sub");
  fs::create_symlink("sub", folder / "alias");
  fs::create_symlink("loop", folder / "loop");
  const std::set<std::string> before = Entries(folder.Path());
  const struct {
    std::string name;
    const char* systemText;
  } kCases[] = {
      {"no/such/dir/x.csv", "No such file or directory"},
      {"plain.csv/x.csv", "Not a directory"},
      {"sub", "Is a directory"},
      {"alias", "Is a directory"},
      {"alias/./missing/x.csv", "No such file or directory"},  // no links resolved, no dots
      {std::string(256, 'n'), "File name too long"},
      {"loop", "Too many levels of symbolic links"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(MessageOf<EFCreateError>(folder / c.name),
              CreateError(folder / c.name, c.systemText));
  }
  const fs::path previous = fs::current_path();
  fs::current_path(folder.Path());
  EXPECT_EQ(MessageOf<EFCreateError>("no/x.csv"),
            CreateError(fs::current_path() / "no/x.csv", "No such file or directory"));
  EXPECT_EQ(MessageOf<EFCreateError>(""), CreateError("", "No such file or directory"));
  fs::current_path(previous);
  EXPECT_EQ(Entries(folder.Path()), before);
  EXPECT_TRUE(Entries(folder / "sub").empty());
  EXPECT_EQ(ReadFile(folder / "plain.csv"), "former");
}

TEST(WriteFileSafely, WriteFailureLeavesTheFormerStateWhole) {
  for (const bool streamed : {false, true}) {
    g_streamed = streamed;
    for (const TemporaryKind kind : kKinds) {
      for (const bool formerFile : {false, true}) {
        for (const std::size_t budget : {std::size_t{0}, std::size_t{4096}, kReport.size() - 1}) {
          const TempFolder folder;
          if (formerFile) {
            WriteFile(folder / "r.csv", "former");
            fs::permissions(folder / "r.csv", static_cast<fs::perms>(0640));
          }
          const std::set<std::string> before = Entries(folder.Path());
          g_bytesBeforeFailure = budget;
          EXPECT_EQ(MessageOf<EWriteError>(folder / "r.csv", DiskFillingWrite, kind),
                    "Stream write error");
          g_bytesBeforeFailure = budget;
          // Appended rather than "\"" + ...: GCC 12 warns falsely (-Wrestrict) about the latter.
          std::string context = "\"";
          context.append((folder / "r.csv").string()).append("\": No space left on device");
          EXPECT_EQ(ContextOf(folder / "r.csv", DiskFillingWrite, kind), context);
          EXPECT_EQ(Entries(folder.Path()), before) << budget;
          if (formerFile) {
            EXPECT_EQ(ReadFile(folder / "r.csv"), "former");
            EXPECT_EQ(ModeOf(folder / "r.csv"), 0640u);
          }
        }
      }
    }
  }
  g_streamed = false;
}

// Permission bits do not bind root, so as root these checks run in a child that gave up its
// rights. Returns the number of the first failed check, 0 when all held.
int OrdinaryUserChecks(const fs::path& folder) {
  if (MessageOf<EFCreateError>(folder / "locked/new.csv") !=
      CreateError(folder / "locked/new.csv", "Permission denied")) {
    return 1;
  }
  // No temporary file can be made there, but the file itself is open to writing.
  if (MessageOf<EFCreateError>(folder / "locked/writable.csv") != "no error") return 2;
  // The folder would allow a rename over it, but the file is marked read-only.
  if (MessageOf<EFCreateError>(folder / "read-only.csv") !=
      CreateError(folder / "read-only.csv", "Permission denied")) {
    return 3;
  }
  // Written in place while another save holds it: refused, not mixed.
  if (MessageOf<EFCreateError>(folder / "locked/busy.csv") !=
      CreateError(folder / "locked/busy.csv", "Resource temporarily unavailable")) {
    return 4;
  }
  // The new length does not fit: the former file stays as it was, not cut to the limit.
  rlimit limit;
  ::getrlimit(RLIMIT_FSIZE, &limit);
  const rlim_t previous = limit.rlim_cur;
  limit.rlim_cur = 4096;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const std::string message = MessageOf<EWriteError>(folder / "locked/short.csv");
  limit.rlim_cur = previous;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  return message == "Stream write error" ? 0 : 5;
}

// The checks above for bytes at hand, then for produced content (its failures counted from 11).
int OrdinaryUserChecksOfBothForms(const fs::path& folder) {
  g_streamed = false;
  if (const int failed = OrdinaryUserChecks(folder); failed != 0) return failed;
  g_streamed = true;
  const int failed = OrdinaryUserChecks(folder);
  g_streamed = false;
  return failed == 0 ? 0 : failed + 10;
}

TEST(WriteFileSafely, PermissionsOfAnOrdinaryUser) {
  if (test::kWebAssembly) GTEST_SKIP() << "WebAssembly cannot become another user";
  const TempFolder folder;
  fs::create_directory(folder / "locked");
  WriteFile(folder / "locked/writable.csv", "former");
  WriteFile(folder / "locked/busy.csv", "former");
  WriteFile(folder / "locked/short.csv", "former");
  WriteFile(folder / "read-only.csv", "former");
  // Held by this process's open file, which the checking child shares but does not own anew.
  const int busy = ::open((folder / "locked/busy.csv").c_str(), O_WRONLY);
  ASSERT_EQ(LockWholeFile(busy), 0);
  fs::permissions(folder / "read-only.csv", static_cast<fs::perms>(0444));
  fs::permissions(folder / "locked", static_cast<fs::perms>(0555));
  int result = 0;
  if (::geteuid() != 0) {
    result = OrdinaryUserChecksOfBothForms(folder.Path());
  } else {
    constexpr uid_t kNobody = 65534;
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path())) {
      ASSERT_EQ(::lchown(entry.path().c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(::chown(folder.Path().c_str(), kNobody, kNobody), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::_exit(::setgid(kNobody) == 0 && ::setuid(kNobody) == 0
                  ? OrdinaryUserChecksOfBothForms(folder.Path())
                  : 99);
    }
    ::waitpid(child, &result, 0);
    result = WIFEXITED(result) ? WEXITSTATUS(result) : 98;
  }
  ::close(busy);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadFile(folder / "locked/writable.csv"), kReport);
  EXPECT_EQ(ReadFile(folder / "locked/busy.csv"), "former");
  EXPECT_EQ(ReadFile(folder / "locked/short.csv"), "former");
  EXPECT_EQ(Entries(folder / "locked"),
            (std::set<std::string>{"busy.csv", "short.csv", "writable.csv"}));
  EXPECT_EQ(ReadFile(folder / "read-only.csv"), "former");
}

// A program that ignores SIGCHLD has its children reaped before it can ask how they ended; the
// new report's place in the folder tells instead.
TEST(WriteFileSafely, ReplacesWhereChildrenAreReapedElsewhere) {
  const TempFolder folder;
  WriteFile(folder / "r.csv", "former");
  const sighandler_t previous = ::signal(SIGCHLD, SIG_IGN);
  EXPECT_EQ(MessageOf<EFCreateError>(folder / "r.csv"), "no error");
  ::signal(SIGCHLD, previous);
  EXPECT_TRUE(ReadFile(folder / "r.csv") == kReport);
  EXPECT_EQ(Entries(folder.Path()), std::set<std::string>{"r.csv"});
}

// A save that finds the report locked by another one leaves it and the folder as they were.
TEST(WriteFileSafely, SecondWriterFindsTheReportBusy) {
  if (test::kWebAssembly)
    GTEST_SKIP() << "Node's file system has no locks: saves there are unguarded";
  for (const TemporaryKind kind : kKinds) {
    const TempFolder folder;
    WriteFile(folder / "r.csv", "former");
    fs::create_symlink("r.csv", folder / "link");
    const int first = ::open((folder / "r.csv").c_str(), O_WRONLY);
    ASSERT_EQ(LockWholeFile(first), 0);
    for (const char* name : {"r.csv", "link"}) {
      EXPECT_EQ(MessageOf<EFCreateError>(folder / name, SystemWrite, kind),
                CreateError(folder / name, "Resource temporarily unavailable"));
    }
    EXPECT_EQ(ReadFile(folder / "r.csv"), "former");
    EXPECT_EQ(Entries(folder.Path()), (std::set<std::string>{"link", "r.csv"}));
    ::close(first);
    EXPECT_EQ(MessageOf<EFCreateError>(folder / "r.csv", SystemWrite, kind), "no error");
  }
}

int g_signalToRaise = 0;

// Half the report, then the signal: the save is interrupted in the middle of its work.
std::ptrdiff_t InterruptedWrite(FileHandle fd, const void* data, std::size_t size) {
  const ssize_t written = ::write(static_cast<int>(fd), data, (size + 1) / 2);
  ::raise(g_signalToRaise);
  return written;
}

// Runs one save in a child process; returns its wait status.
int SaveInChild(
    const fs::path& target, WriteCall write, TemporaryKind kind, void (*prepare)() = [] {}) {
  const pid_t child = ::fork();
  if (child == 0) {
    prepare();
    try {
      WriteFileSafely(target, kReport, write, kind);
    } catch (const EWriteError&) {
      ::_exit(10);
    } catch (...) {
      ::_exit(11);
    }
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

// A signal that ends the process removes a named temporary file first and still ends it, so the
// caller sees the signal; an ignored one ends nothing and the save completes.
TEST(WriteFileSafely, EndingSignalsLeaveNoTemporaryFile) {
  if (test::kWebAssembly) GTEST_SKIP() << "WebAssembly starts no processes to signal";
  for (const TemporaryKind kind : kKinds) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
      const TempFolder folder;
      WriteFile(folder / "r.csv", "former");
      g_signalToRaise = signal;
      const int status = SaveInChild(folder / "r.csv", InterruptedWrite, kind);
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << " " << status;
      EXPECT_EQ(Entries(folder.Path()), std::set<std::string>{"r.csv"}) << signal;
      EXPECT_EQ(ReadFile(folder / "r.csv"), "former");
    }
    const TempFolder folder;
    g_signalToRaise = SIGHUP;
    const int status =
        SaveInChild(folder / "r.csv", InterruptedWrite, kind, [] { ::signal(SIGHUP, SIG_IGN); });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(ReadFile(folder / "r.csv") == kReport);
    EXPECT_EQ(Entries(folder.Path()), std::set<std::string>{"r.csv"});
  }
}

// Over a file-size limit the save fails as on a full disk, instead of the process being killed.
TEST(WriteFileSafely, FileSizeLimitIsAWriteError) {
  if (test::kWebAssembly) GTEST_SKIP() << "WebAssembly has no file-size limit to set";
  for (const TemporaryKind kind : kKinds) {
    for (const bool formerFile : {false, true}) {
      const TempFolder folder;
      if (formerFile) WriteFile(folder / "r.csv", "former");
      const std::set<std::string> before = Entries(folder.Path());
      const int status = SaveInChild(folder / "r.csv", SystemWrite, kind, [] {
        const rlimit limit{4096, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
      });
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 10) << status;
      EXPECT_EQ(Entries(folder.Path()), before);
      if (formerFile) {
        EXPECT_EQ(ReadFile(folder / "r.csv"), "former");
      }
    }
  }
}

}  // namespace
}  // namespace gb

namespace gb {
namespace {

// Several files replaced as one: whatever fails, and wherever, every target is as it was and no
// new file is left beside any of them.
TEST(WriteFilesSafely, AllOrNothing) {
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> beforeCommit;  // given the work folder
    const char* third;                                  // the third file's path in the folder
    bool fails;
  };
  const Case cases[] = {
      {"AllWritten", nullptr, "c/three.png", false},
      {"LastCannotBeMade", nullptr, "nodir/three.png", true},
      {"LastIsAFolder", nullptr, "c", true},
      {"StreamFailsFirst", [](const fs::path&) { throw EWriteError(); }, "c/three.png", true},
      // The second is put in place after the first, then the third's folder is gone: the two
      // already in place get their former content back.
      {"PuttingInPlaceFails",
       [](const fs::path& work) { fs::rename(work / "c", work / "c-moved"); }, "c/three.png", true},
  };
  for (const TemporaryKind kind : kKinds) {
    for (const Case& c : cases) {
      const TempFolder work;
      fs::create_directory(work / "c");
      WriteFile(work / "one.csv", "former one");
      const std::set<std::string> before = Entries(work.Path());
      const fs::path paths[] = {work / "one.csv", work / "two.pdf", work / c.third};
      const FileToWrite files[] = {{paths[0], "new one"}, {paths[1], "new two"}, {paths[2], "3"}};
      std::function<void()> beforeCommit;
      if (c.beforeCommit) beforeCommit = [&] { c.beforeCommit(work.Path()); };
      bool failed = false;
      try {
        WriteFilesSafely(files, beforeCommit, SystemWrite, kind);
      } catch (const Exception&) {
        failed = true;
      }
      EXPECT_EQ(failed, c.fails) << c.name;
      if (c.fails) {
        EXPECT_EQ(ReadFile(work / "one.csv"), "former one") << c.name;
        EXPECT_FALSE(fs::exists(work / "two.pdf")) << c.name;
        std::set<std::string> after = Entries(work.Path());
        if (after.erase("c-moved") == 1) after.insert("c");
        EXPECT_EQ(after, before) << c.name;
        // A named temporary file moves away with its folder, out of reach by its name; an
        // unnamed one goes with the process's descriptor.
        for (const char* folder : {"c", "c-moved"}) {
          // Node's file system makes no unnamed files: the unnamed kind is a named one there.
          const bool unnamed = kind == TemporaryKind::Unnamed && !test::kWebAssembly;
          if (fs::exists(work / folder) && (unnamed || std::string(folder) == "c")) {
            EXPECT_TRUE(Entries(work / folder).empty()) << c.name;
          }
        }
      } else {
        EXPECT_EQ(ReadFile(work / "one.csv"), "new one");
        EXPECT_EQ(ReadFile(work / "two.pdf"), "new two");
        EXPECT_EQ(ReadFile(work / "c/three.png"), "3");
      }
    }
  }
}

// Named temporary files of a set are all removed by an ending signal.
TEST(WriteFilesSafely, EndingSignalRemovesEveryTemporaryFile) {
  if (test::kWebAssembly) GTEST_SKIP() << "WebAssembly starts no processes to signal";
  const TempFolder work;
  WriteFile(work / "a.csv", "former");
  const pid_t child = ::fork();
  if (child == 0) {
    const FileToWrite files[] = {{work / "a.csv", "1"}, {work / "b.pdf", "2"}};
    WriteFilesSafely(
        files, [] { ::raise(SIGTERM); }, SystemWrite, TemporaryKind::Named);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_EQ(Entries(work.Path()), std::set<std::string>{"a.csv"});
  EXPECT_EQ(ReadFile(work / "a.csv"), "former");
}

}  // namespace
}  // namespace gb
