// gb18306-cli --report against what the world does to a save: kills, signals, a second writer, a
// file-size limit, a full standard output, and a terminal in another character set.
#include <sys/prctl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "ProgramRun.h"
#include "cli/ResultTables.h"
#include "platform/TextEncoding.h"

namespace gb {
namespace {

namespace fs = std::filesystem;
using namespace test;

constexpr uid_t kNobody = 65534;

std::string CompleteReport(const char* codePage) {
  return RunToEnd(Launch({"--encoding", codePage, "--report", "-"})).out;
}

bool RunsAsRoot() { return ::geteuid() == 0; }

TEST(CliSave, FullStandardOutputIsAStreamWriteError) {
  GB_SKIP_WITHOUT_PROCESSES();
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--help"}, {"--version"}, {}, {"--report", "-"}, {"--encoding", "ASCII"}}) {
    Launch launch(args);
    launch.standardOutput = "/dev/full";
    const Outcome run = RunToEnd(launch);
    EXPECT_EQ(run.status, 1) << (args.empty() ? "tables" : args[0]);
    EXPECT_EQ(run.err, "Stream write error. (the standard output: No space left on device)\n");
  }
}

// A file-size limit is a write error like a full disk: a message, status 1 and nothing left.
TEST(CliSave, FileSizeLimitIsAStreamWriteError) {
  GB_SKIP_WITHOUT_PROCESSES();
  for (const bool former : {false, true}) {
    for (const char* target : {"r.csv", "-"}) {
      const TempFolder work;
      if (former) WriteFile(work / "r.csv", "former");
      Launch launch({"--report", target}, work.Path());
      launch.fileSizeLimit = 1024;
      if (std::string_view(target) == "-") launch.standardOutput = (work / "out.csv").string();
      const std::set<std::string> before = Entries(work.Path());
      const Outcome run = RunToEnd(launch);
      EXPECT_EQ(run.signal, 0) << target;
      EXPECT_EQ(run.status, 1) << target;
      // Which file, and why.
      EXPECT_EQ(run.err,
                "Stream write error. (" +
                    (std::string_view(target) == "-" ? std::string("the standard output")
                                                     : "\"" + (work / "r.csv").string() + "\"") +
                    ": File too large)\n");
      std::set<std::string> after = Entries(work.Path());
      after.erase("out.csv");
      EXPECT_EQ(after, before);
      if (former) {
        EXPECT_EQ(ReadFile(work / "r.csv"), "former");
      }
    }
  }
}

// Under a GBK locale the terminal gets GBK: the tables like the report, and the messages, whose
// system text and file name come from the locale too.
TEST(CliSave, GbkTerminal) {
  GB_SKIP_WITHOUT_PROCESSES();
#ifdef GB_TEST_EMULATOR
  GTEST_SKIP() << "the emulated static C library rejects the GBK locale this machine compiles";
#endif
  const std::optional<std::string> locales = CompiledLocale("zh_CN", "GBK");
  if (!locales) GTEST_SKIP() << "localedef cannot make zh_CN.GBK here";
  const TempFolder work;
  Launch launch({}, work.Path(), {"LC_ALL=zh_CN.GBK", "LOCPATH=" + *locales});
  const std::string tables = FormatResultTables(DefaultParameters());
  EXPECT_EQ(RunToEnd(launch).out, EncodeText(tables, "GBK"));
  launch.args = {"--report", "-"};
  EXPECT_EQ(RunToEnd(launch).out, CompleteReport("GBK"));

  launch.args = {"--report", EncodeText("缺少/结果.csv", "GBK")};
  Outcome run = RunToEnd(launch);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, EncodeText("Cannot create file \"" + work.Path().string() +
                                    "/缺少/结果.csv\". 没有那个文件或目录.\n",
                                "GBK"));
  launch.args = {"--k2", EncodeText("２", "GBK")};
  run = RunToEnd(launch);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, EncodeText("'２' is not a valid floating point value. (--k2)\n", "GBK"));
}

// SIGINT, SIGTERM, SIGHUP and SIGPIPE at the moment the new report is flushed: the process ends
// by that signal and leaves the former report and no other file.
TEST(CliSave, EndingSignalsLeaveNothing) {
  GB_SKIP_WITHOUT_PROCESSES();
  const char* const kStrace = "/usr/bin/strace";
  if (::access(kStrace, X_OK) != 0) GTEST_SKIP() << "no strace to deliver the signals";
  if (RunToEnd(Launch({"-o", "/dev/null", "/bin/true"}, fs::temp_directory_path(), {}, kStrace))
          .status != 0) {
    GTEST_SKIP() << "strace may not trace here";
  }
  const std::pair<int, const char*> kSignals[] = {
      {SIGINT, "INT"}, {SIGTERM, "TERM"}, {SIGHUP, "HUP"}, {SIGPIPE, "PIPE"}};
  for (const auto& [signal, name] : kSignals) {
    const TempFolder work;
    WriteFile(work / "t.csv", "former");
    const Launch traced({"-f", "-o", "/dev/null", "-e", "trace=fsync", "-e",
                         std::string("inject=fsync:signal=") + name + ":when=1", GB18306_CLI_PATH,
                         "--report", "t.csv"},
                        work.Path(), {"LC_ALL=C.UTF-8"}, kStrace);
    const Outcome run = RunToEnd(traced);
    EXPECT_EQ(run.signal, signal) << name << " " << run.status << " " << run.err;
    EXPECT_EQ(Entries(work.Path()), std::set<std::string>{"t.csv"}) << name;
    EXPECT_EQ(ReadFile(work / "t.csv"), "former") << name;
  }
}

// kill -9 at random moments of a save: the target is always one whole report or the other, and
// no file is ever left beside it.
TEST(CliSave, KillNineLeavesNoFileAndNoPartialReport) {
  GB_SKIP_WITHOUT_PROCESSES();
#ifdef GB_TEST_EMULATOR
  GTEST_SKIP() << "qemu-user does not pass PR_SET_CHILD_SUBREAPER on to this machine";
#endif
  constexpr int kRuns = 200;
  const TempFolder work;
  const std::string reports[] = {CompleteReport("GBK"), CompleteReport("UTF-8")};
  const char* const encodings[] = {"GBK", "UTF-8"};
  // Kills are spread over the time a whole save takes here.
  auto longest = std::chrono::microseconds(0);
  for (int i = 0; i < 5; ++i) {
    const auto start = std::chrono::steady_clock::now();
    RunToEnd(Launch({"--encoding", "GBK", "--report", "r.csv"}, work.Path()));
    longest = std::max(longest, std::chrono::duration_cast<std::chrono::microseconds>(
                                    std::chrono::steady_clock::now() - start));
  }
  // A killed save's own children come to this process, so it can wait for them.
  ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  std::mt19937 random(20150601);
  std::uniform_int_distribution<long> delay(0, longest.count());
  int killed = 0, leftOver = 0, partial = 0;
  for (int run = 0; run < kRuns; ++run) {
    Started save(Launch({"--encoding", encodings[run % 2], "--report", "r.csv"}, work.Path()));
    ::usleep(static_cast<useconds_t>(delay(random)));
    ::kill(save.Pid(), SIGKILL);
    if (save.Wait().signal == SIGKILL) ++killed;
    // Whatever the save started finishes too: the folder is looked at once all of it has ended.
    while (::waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
    }
    const std::set<std::string> entries = Entries(work.Path());
    if (entries != std::set<std::string>{"r.csv"}) {
      ++leftOver;
      for (const std::string& name : entries) {
        if (name == "r.csv") continue;
        ADD_FAILURE() << "left behind: " << name;
        fs::remove(work / name);
      }
    }
    const std::string now = ReadFile(work / "r.csv");
    if (now != reports[0] && now != reports[1]) ++partial;
  }
  std::cout << kRuns << " runs, " << killed << " killed (a whole save took up to "
            << longest.count() << " us): " << leftOver << " left files behind, " << partial
            << " left a partial report\n";
  EXPECT_EQ(leftOver, 0);
  EXPECT_EQ(partial, 0);
  EXPECT_GT(killed, kRuns / 10);  // otherwise the loop tested nothing
  ::prctl(PR_SET_CHILD_SUBREAPER, 0);
}

// Two saves of one report at once where the folder takes no new file, so both write in place:
// one gets the report, the other is told the file is busy; never a mixture.
TEST(CliSave, TwoWritersInPlaceNeverMix) {
  GB_SKIP_WITHOUT_PROCESSES();
  constexpr int kRounds = 200;
  const TempFolder work;
  const std::string reports[] = {CompleteReport("GBK"), CompleteReport("UTF-8")};
  WriteFile(work / "r.csv", "former");
  ::chmod((work / "r.csv").c_str(), 0666);
  std::optional<uid_t> writer;
  if (RunsAsRoot()) {
    // Root's folder, open to all but writable by root only; the writers are somebody else.
    ::chmod(work.Path().c_str(), 0755);
    writer = kNobody;
  } else {
    ::chmod(work.Path().c_str(), 0555);
  }
  const std::string busy = "Cannot create file \"" + (work / "r.csv").string() +
                           "\". Resource temporarily unavailable.\n";
  int refused = 0, mixed = 0, unexpected = 0;
  for (int round = 0; round < kRounds; ++round) {
    Launch gbk({"--encoding", "GBK", "--report", "r.csv"}, work.Path());
    Launch utf8({"--encoding", "UTF-8", "--report", "r.csv"}, work.Path());
    gbk.user = utf8.user = writer;
    if (writer) gbk.program = utf8.program = ProgramForAnyone();
    Started first(round % 2 ? gbk : utf8);
    Started second(round % 2 ? utf8 : gbk);
    for (const Outcome& run : {first.Wait(), second.Wait()}) {
      if (run.status == 1 && run.err == busy) {
        ++refused;
      } else if (run.status != 0 || !run.err.empty()) {
        ++unexpected;
        ADD_FAILURE() << run.status << " " << run.err;
      }
    }
    const std::string now = ReadFile(work / "r.csv");
    if (now != reports[0] && now != reports[1]) ++mixed;
  }
  ::chmod(work.Path().c_str(), 0755);
  std::cout << kRounds << " rounds of two in-place writers: " << refused << " refused as busy, "
            << mixed << " mixed reports\n";
  EXPECT_EQ(mixed, 0);
  EXPECT_EQ(unexpected, 0);
  EXPECT_EQ(Entries(work.Path()), std::set<std::string>{"r.csv"});
}

}  // namespace
}  // namespace gb
