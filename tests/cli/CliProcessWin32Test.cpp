// The built Windows program as a user runs it: Unicode names, binary standard output, exit
// statuses and messages, and the files it leaves.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "cli/RunCli.h"
#include "platform/SystemCodePage.h"
#include "platform/TextEncoding.h"
#include "platform/win32/ConsoleText.h"
#include "platform/win32/WideText.h"

namespace gb {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::SplitCrLf;
using test::TempFolder;
using test::WriteFile;

struct Outcome {
  DWORD status = 0;
  std::string out, err;
};

// The program beside the build tree's tests, found from this test's own path.
fs::path Program() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return (fs::path(self).parent_path() / GB18306_CLI_FROM_TESTS).lexically_normal();
}

HANDLE Inheritable(const fs::path& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Runs the program in `folder` with UTF-8 arguments; without input it starts with none, with
// `inputFile` it reads that file.
Outcome RunProgram(const std::vector<std::string>& args, const fs::path& folder,
                   bool withInput = true, const fs::path& inputFile = "NUL") {
  const TempFolder capture;
  std::wstring line = L"\"" + Program().wstring() + L"\"";
  for (const std::string& arg : args) line += L" \"" + WideFromUtf8(arg) + L"\"";
  const HANDLE out = Inheritable(capture / "out", GENERIC_WRITE, CREATE_ALWAYS);
  const HANDLE err = Inheritable(capture / "err", GENERIC_WRITE, CREATE_ALWAYS);
  const HANDLE in = withInput ? Inheritable(inputFile, GENERIC_READ, OPEN_EXISTING) : nullptr;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  Outcome outcome;
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                     &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &outcome.status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  } else {
    outcome.status = 999;
  }
  for (HANDLE h : {out, err, in})
    if (h != nullptr && h != INVALID_HANDLE_VALUE) CloseHandle(h);
  outcome.out = ReadFile(capture / "out");
  outcome.err = ReadFile(capture / "err");
  return outcome;
}

std::set<std::wstring> Entries(const fs::path& folder) {
  std::set<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

TEST(CliProcessWin32, ReportUnderAUnicodeNameAndOnBinaryStandardOutput) {
  ASSERT_TRUE(fs::exists(Program())) << Program().string();
  const TempFolder work;
  // 结果 is in code page 936; the chart emoji is in no ANSI code page at all.
  const std::string name = "\xE7\xBB\x93\xE6\x9E\x9C\xF0\x9F\x93\x88.csv";
  const Outcome run = RunProgram({"--encoding", "GBK", "--report", name}, work.Path());
  EXPECT_EQ(run.status, 0u);
  EXPECT_EQ(run.out + run.err, "");
  EXPECT_EQ(Entries(work.Path()), std::set<std::wstring>{WideFromUtf8(name)});
  const std::string bytes = ReadFile(work.Path() / WideFromUtf8(name));
  EXPECT_EQ(bytes.size(), 9956u);
  EXPECT_EQ(SplitCrLf(bytes).size(), 273u);
  // Standard output carries the same bytes: no CR added before the report's CR LF.
  EXPECT_EQ(RunProgram({"--encoding=GBK", "--report=-"}, work.Path()).out, bytes);
  const Outcome tables = RunProgram({"--encoding", "GBK"}, work.Path());
  EXPECT_EQ(tables.status, 0u);
  EXPECT_EQ(tables.out.find('\r'), std::string::npos);
  EXPECT_TRUE(tables.out.starts_with("\xB5\xD8\xD5\xF0\xB6\xAF")) << tables.out;  // 地震动
}

// Nothing is created or changed on any error; the former report stays byte for byte.
TEST(CliProcessWin32, ErrorsExitWithTheirMessage) {
  const TempFolder work;
  fs::create_directory(work / "folder");
  const std::string former = "former \xCA\xE4\r\n";
  WriteFile(work / "r.csv", former);
  const std::string hint = "\nTry 'gb18306-cli --help' for more information.\n";
  const struct {
    std::vector<std::string> args;
    DWORD status;
    std::string err;  // the whole message, or its start when it ends in the system's text
  } kCases[] = {
      {{"--k2", "abc", "--report", "r.csv"},
       1,
       "'abc' is not a valid floating point value. (--k2)\n"},
      {{"--k1", "1e309", "--report", "r.csv"}, 1, "Floating point overflow. (--k1)\n"},
      {{"--pga", "0.40", "--k1", "1e308", "--beta-max", "100", "--report", "r.csv"},
       1,
       "Floating point overflow.\n"},
      {{"--report", "no-such\\x.csv"},
       1,
       "Cannot create file \"" + (work / "no-such\\x.csv").string() + "\". "},
      {{"--report", "folder"}, 1, "Cannot create file \"" + (work / "folder").string() + "\". "},
      {{"--bogus", "--report", "r.csv"}, 2, "gb18306-cli: unknown option '--bogus'" + hint},
      {{"--encoding", "NOPE", "--report", "r.csv"},
       2,
       "gb18306-cli: unknown encoding 'NOPE'" + hint},
      {{"--pdf", "s.pdf"}, 2, "gb18306-cli: this build writes no PDF or chart images"},
      {{"--chart", "c.png"}, 2, "gb18306-cli: this build writes no PDF or chart images"},
  };
  for (const auto& c : kCases) {
    const Outcome run = RunProgram(c.args, work.Path());
    EXPECT_EQ(run.status, c.status) << c.args[0];
    EXPECT_TRUE(run.err.starts_with(c.err)) << run.err;
    EXPECT_TRUE(run.err.ends_with(".\n") || run.err.ends_with(")\n") || run.err.ends_with(hint))
        << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(ReadFile(work / "r.csv"), former);
  EXPECT_EQ(Entries(work.Path()), (std::set<std::wstring>{L"folder", L"r.csv"}));
  EXPECT_TRUE(Entries(work / "folder").empty());
}

// A batch whose output is its own input is refused before anything is read or written, however
// the one file is named.
TEST(CliProcessWin32, BatchOutputThatIsItsInput) {
  const TempFolder work;
  const std::string sites = "pga,zone\r\n0.20,0.40\r\n";
  WriteFile(work / "sites.csv", sites);
  fs::create_directory(work / "sub");
  ASSERT_TRUE(CreateHardLinkW((work / "hard.csv").c_str(), (work / "sites.csv").c_str(), nullptr));
  const std::string hint = "\nTry 'gb18306-cli --help' for more information.\n";
  const struct {
    std::vector<std::string> args;
    bool fromStandardInput;
    std::string message;
  } kCases[] = {
      {{"--batch", "sites.csv", "--output", "sites.csv", "--format", "jsonl"},
       false,
       "--batch and --output name the same file 'sites.csv'"},
      {{"--batch", "sites.csv", "--output", "sub\\..\\SITES.CSV"},
       false,
       "--batch and --output name the same file 'sub\\..\\SITES.CSV'"},
      {{"--batch", "sites.csv", "--output", "hard.csv"},
       false,
       "--batch and --output name the same file 'hard.csv'"},
      {{"--batch", "-", "--output", "sites.csv"},
       true,
       "--output names the file the standard input comes from, where --batch - reads"},
  };
  for (const auto& c : kCases) {
    const Outcome run =
        RunProgram(c.args, work.Path(), true, c.fromStandardInput ? work / "sites.csv" : "NUL");
    EXPECT_EQ(run.status, 2u) << c.args[3];
    EXPECT_EQ(run.err, "gb18306-cli: " + c.message + hint);
    EXPECT_EQ(ReadFile(work / "sites.csv"), sites) << c.args[3];
    EXPECT_EQ(Entries(work.Path()), (std::set<std::wstring>{L"hard.csv", L"sites.csv", L"sub"}));
  }
}

// Every message is in the stream's one code page: the arguments it repeats come as Unicode and
// go out in the ANSI code page with the rest, cut when long, control characters written out.
TEST(CliProcessWin32, MessagesRepeatArgumentsInTheStreamsCodePage) {
  const TempFolder work;
  const std::string hint = "\nTry 'gb18306-cli --help' for more information.\n";
  const std::string cut = std::string(64, '7') + "\xE2\x80\xA6";  // …
  const struct {
    std::vector<std::string> args;
    DWORD status;
    std::string err;  // UTF-8
  } kCases[] = {
      {{"--pga", "\xE5\x8C\x97\xE4\xBA\xAC"},  // 北京
       2,
       "gb18306-cli: '\xE5\x8C\x97\xE4\xBA\xAC' is not a choice of --pga; choose one of "
       "0.05, 0.10, 0.15, 0.20, 0.30, 0.40" +
           hint},
      {{"--k1", "\xEF\xBC\x92\xEF\xBC\x8E\xEF\xBC\x99"},  // ２．９
       1,
       "'\xEF\xBC\x92\xEF\xBC\x8E\xEF\xBC\x99' is not a valid floating point value. (--k1)\n"},
      {{"--k2=" + std::string(100000, '7')},
       1,
       "'" + cut + "' is not a valid floating point value. (--k2)\n"},
      {{"--site", "\x1B[31m"},
       2,
       "gb18306-cli: '\\x1B[31m' is not a choice of --site; choose one of I0, I1, II, III, IV" +
           hint},
  };
  for (const auto& c : kCases) {
    const Outcome run = RunProgram(c.args, work.Path());
    EXPECT_EQ(run.status, c.status) << c.args[0];
    EXPECT_EQ(run.err, EncodeText(c.err, SystemCodePage())) << c.args[0];
  }
}

// On a console the same message goes out as text: what the ANSI code page holds of the argument
// reads as typed, whatever else the stream carries.
TEST(CliProcessWin32, MessagesReachAConsoleAsText) {
  std::wstring shown;
  ConsoleTextBuffer console(SystemCodePage(), [&](std::wstring_view text) {
    shown += text;
    return true;
  });
  std::ostream err(&console);
  std::ostringstream out;
  const std::string pga = "\xE5\x8C\x97\xE4\xBA\xAC";  // 北京
  const std::string_view args[] = {"--pga", pga};
  EXPECT_EQ(RunCli(args, out, err), kExitUsage);
  err.flush();
  const std::string message = "gb18306-cli: '" + pga + "' is not a choice of --pga";
  const std::string held = DecodeText(EncodeText(message, SystemCodePage()), SystemCodePage());
  EXPECT_TRUE(shown.starts_with(WideFromUtf8(held))) << Utf8FromWide(shown);
}

// A standard input that cannot be read is the system's error, not an input without a header.
TEST(CliProcessWin32, StandardInputThatCannotBeRead) {
  const TempFolder work;
  const Outcome run = RunProgram({"--batch", "-"}, work.Path(), false);
  EXPECT_EQ(run.status, 1u);
  EXPECT_TRUE(run.err.starts_with("Cannot read the standard input. ")) << run.err;
  EXPECT_TRUE(Entries(work.Path()).empty());
}

}  // namespace
}  // namespace gb
