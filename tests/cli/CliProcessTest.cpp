// The built program as a user runs it: exit status, messages, and the files it leaves.
#include <fcntl.h>

#include <gtest/gtest.h>
#include <stdlib.h>
#include <algorithm>

#include "ProgramRun.h"
#include "platform/TextEncoding.h"
#include "tests/support/PopplerTools.h"

namespace gb {
namespace {

namespace fs = std::filesystem;
using namespace test;

// Runs the program in `folder` with LC_ALL as its only environment variable.
Outcome RunProgram(const std::vector<std::string>& args, const fs::path& folder,
                   const std::string& lcAll = "C.UTF-8") {
  return RunToEnd(Launch(args, folder, {"LC_ALL=" + lcAll}));
}

std::string Gbk(const char* utf8) { return EncodeText(utf8, "GBK"); }

TEST(CliProcess, GbkReportFile) {
  GB_SKIP_WITHOUT_PROCESSES();
  const TempFolder work;
  const Outcome run = RunProgram({"--encoding", "GBK", "--report", "out.csv"}, work.Path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out + run.err, "");
  EXPECT_EQ(Entries(work.Path()), std::set<std::string>{"out.csv"});
  const std::string bytes = ReadFile(work / "out.csv");
  EXPECT_EQ(bytes.size(), 9956u);  // 32 fixed lines and 241 spectrum lines of 34 + 2 bytes
  const std::vector<std::string> lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), 273u);
  const std::pair<int, std::string> kLines[] = {
      {1, "GB 18306-2015\xA1\xB6" + Gbk("地震动参数区划图》地震动参数计算 (by Varnelo ") +
              "WWW.example.org)"},
      {4, "\xCA\xE4\xC8\xEB\xB2\xCE\xCA\xFD"},
      {5, Gbk("II类场地地震动峰值加速度(g),0.05")},
      {6, Gbk("II类场地地震动加速度反应谱特征周期(s),0.35")},
      {7, Gbk("II类场地极罕遇地震动峰值加速度缩放系数K1,2.9")},
      {8, Gbk("II类场地罕遇地震动峰值加速度缩放系数K2,1.9")},
      {9, Gbk("II类场地多遇地震动峰值加速度缩放系数K3,0.3333")},
      {10, Gbk("罕遇地震动加速度反应谱特征周期增加值(s),0.05")},
      {11, Gbk("极罕遇地震动加速度反应谱特征周期增加值(s),0.05")},
      {12, Gbk("地震动加速度放大系数反应谱的平台值(s),2.5")},
      {14, ",I0,I1,II,III,IV,"},
      {33, "0.0000,0.0167,0.0500,0.0950,0.1450"},
      {273, "6.0000,0.0032,0.0097,0.0208,0.0317"},
  };
  for (const auto& [number, text] : kLines) EXPECT_EQ(lines[number - 1], text) << number;
  EXPECT_EQ(RunProgram({"--encoding=GBK", "--report=-"}, work.Path()).out, bytes);
  // The C locale's ASCII would lose every Chinese character, so it gets UTF-8.
  for (const char* lcAll : {"C.UTF-8", "C"}) {
    RunProgram({"--report", "out.csv"}, work.Path(), lcAll);
    EXPECT_EQ(SplitCrLf(ReadFile(work / "out.csv")).at(3), "输入参数") << lcAll;
  }
}

// Nothing is created or changed on any error; the former report stays byte for byte.
TEST(CliProcess, ErrorsExitWithTheirMessage) {
  GB_SKIP_WITHOUT_PROCESSES();
  const TempFolder work;
  fs::create_directory(work / "folder");
  const std::string former = "former \xCA\xE4\r\n";
  WriteFile(work / "r.csv", former);
  const std::string hint = "\nTry 'gb18306-cli --help' for more information.\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } kCases[] = {
      {{"--k2", "abc", "--report", "r.csv"},
       1,
       "'abc' is not a valid floating point value. (--k2)\n"},
      {{"--k1", "1e309", "--report", "r.csv"}, 1, "Floating point overflow. (--k1)\n"},
      {{"--k1=", "--report", "r.csv"}, 1, "'' is not a valid floating point value. (--k1)\n"},
      // The very rare platform, 100 x 0.4e308 g, goes beyond the double range.
      {{"--pga", "0.40", "--k1", "1e308", "--beta-max", "100", "--report", "r.csv"},
       1,
       "Floating point overflow.\n"},
      {{"--report", "/no/such/dir/x.csv"},
       1,
       "Cannot create file \"/no/such/dir/x.csv\". No such file or directory.\n"},
      {{"--report", "folder"},
       1,
       "Cannot create file \"" + (work / "folder").string() + "\". Is a directory.\n"},
      {{"--bogus", "--report", "r.csv"}, 2, "gb18306-cli: unknown option '--bogus'" + hint},
      {{"--encoding", "NOPE", "--report", "r.csv"},
       2,
       "gb18306-cli: unknown encoding 'NOPE'" + hint},
      {{"--site", "V", "--report", "r.csv"},
       2,
       "gb18306-cli: 'V' is not a choice of --site; choose one of I0, I1, II, III, IV" + hint},
      {{"--k1"},
       2,
       "gb18306-cli: option '--k1' needs a value (write --k1=TEXT for a text beginning with "
       "'-')" +
           hint},
  };
  for (const auto& c : kCases) {
    const Outcome run = RunProgram(c.args, work.Path());
    EXPECT_EQ(run.status, c.status) << c.args[0];
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(ReadFile(work / "r.csv"), former);
  EXPECT_EQ(Entries(work.Path()), (std::set<std::string>{"folder", "r.csv"}));
  EXPECT_TRUE(Entries(work / "folder").empty());
}

#ifdef GB_HAVE_EXPORT
// The sheet and the chart in one run, drawn without a display.
TEST(CliProcess, SheetAndChartTogether) {
  GB_SKIP_WITHOUT_PROCESSES();
  const TempFolder work;
  const Outcome run =
      RunProgram({"--pga", "0.20", "--zone", "0.40", "--site", "III", "--pdf", "s.pdf", "--chart",
                  "c.svg", "--chart-size", "900x600", "--report", "r.csv"},
                 work.Path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out + run.err, "");
  EXPECT_EQ(Entries(work.Path()), (std::set<std::string>{"c.svg", "r.csv", "s.pdf"}));
  const std::string svg = ReadFile(work / "c.svg");
  EXPECT_NE(svg.find("viewBox=\"0 0 900 600\""), std::string::npos);
  for (const char* colour : {"#008000", "#ff0000", "#0000ff", "#000000"}) {
    EXPECT_NE(svg.find(std::string("stroke=\"") + colour + "\""), std::string::npos) << colour;
  }
  EXPECT_TRUE(ReadFile(work / "s.pdf").starts_with("%PDF-"));

  const auto text = ToolOutput("pdftotext", "-enc UTF-8", (work / "s.pdf").string(), "-");
  if (!text) GTEST_SKIP() << "pdftotext is not installed";
  const std::vector<std::string> words = Words(*text);
  EXPECT_TRUE(InOrder(words, {"0.20", "0.40", "2.9", "1.9", "0.3333", "0.05", "0.05", "2.5"}));
  // All 60 grid texts: 20 data cells of each grid, in the order of the report's lines.
  const std::vector<std::string> lines = SplitCrLf(ReadFile(work / "r.csv"));
  std::vector<std::string> cells;
  for (const int first : {14, 20, 26}) {
    for (int line = first + 1; line < first + 5; ++line) {
      std::string row = lines.at(static_cast<std::size_t>(line - 1));
      for (std::size_t comma; (comma = row.find(',')) != std::string::npos;) {
        const std::string cell = row.substr(0, comma);
        if (!cell.empty() && cell[0] >= '0' && cell[0] <= '9') cells.push_back(cell);
        row.erase(0, comma + 1);
      }
    }
  }
  ASSERT_EQ(cells.size(), 60u);
  EXPECT_TRUE(InOrder(words, cells)) << *text;
  const auto fonts = ToolOutput("pdffonts", "", (work / "s.pdf").string());
  ASSERT_TRUE(fonts.has_value());
  EXPECT_TRUE(EveryFontEmbedded(*fonts)) << *fonts;
}

// All or nothing: one output that cannot be written leaves every former file as it was.
TEST(CliProcess, SeveralOutputsAllOrNothing) {
  GB_SKIP_WITHOUT_PROCESSES();
  const std::vector<std::string> kFailing[] = {
      {"--pdf", "keep.pdf", "--report", "keep.csv", "--chart", "nodir/c.png"},
      {"--report", "nodir/r.csv", "--pdf", "keep.pdf"},
      {"--chart", "folder.png", "--report", "keep.csv"},
      {"--report", "-", "--pdf", "keep.pdf", "--chart", "nodir/c.svg"},
  };
  for (const auto& args : kFailing) {
    const TempFolder work;
    fs::create_directory(work / "folder.png");
    WriteFile(work / "keep.pdf", "former pdf");
    WriteFile(work / "keep.csv", "former csv");
    const Outcome run = RunProgram(args, work.Path());
    EXPECT_EQ(run.status, 1) << args[1];
    EXPECT_TRUE(run.err.starts_with("Cannot create file \"")) << run.err;
    EXPECT_EQ(run.out, "") << args[1];
    EXPECT_EQ(ReadFile(work / "keep.pdf"), "former pdf");
    EXPECT_EQ(ReadFile(work / "keep.csv"), "former csv");
    EXPECT_EQ(Entries(work.Path()), (std::set<std::string>{"folder.png", "keep.csv", "keep.pdf"}));
  }
}

// One A4 page for every input and locale (the fonts found differ by language), and a long
// number is one word on it, never wrapped inside its cell.
TEST(CliProcess, SheetIsOnePageWhateverTheInputsAndLocale) {
  GB_SKIP_WITHOUT_PROCESSES();
  const std::vector<std::string> kInputs[] = {
      {}, {"--k1", "1e300", "--beta-max", "1e8"}, {"--site", "IV"}};
  for (const char* locale : {"C.UTF-8", "zh_CN.UTF-8"}) {
    for (const auto& inputs : kInputs) {
      const TempFolder work;
      std::vector<std::string> args = inputs;
      args.insert(args.end(), {"--pdf", "s.pdf"});
      const Outcome run = RunToEnd(Launch(
          args, work.Path(), {std::string("LC_ALL=") + locale, std::string("LANG=") + locale}));
      ASSERT_EQ(run.status, 0) << run.err;
      const auto info = ToolOutput("pdfinfo", "", (work / "s.pdf").string());
      if (!info) GTEST_SKIP() << "pdfinfo is not installed";
      EXPECT_NE(info->find("Pages:           1\n"), std::string::npos) << locale << *info;
      if (inputs.size() == 4) {
        const auto text = ToolOutput("pdftotext", "-enc UTF-8", (work / "s.pdf").string(), "-");
        ASSERT_TRUE(text.has_value());
        const std::vector<std::string> words = Words(*text);
        EXPECT_NE(std::find(words.begin(), words.end(), "1666500.0000"), words.end()) << *text;
      }
    }
  }
}

// Binary PDF onto a terminal is refused; into a pipe or file it goes.
TEST(CliProcess, PdfToTheTerminalIsAUsageError) {
  GB_SKIP_WITHOUT_PROCESSES();
  const TempFolder work;
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  Launch launch({"--pdf", "-"}, work.Path());
  launch.standardOutput = ::ptsname(master);
  const Outcome run = RunToEnd(launch);
  ::close(master);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.starts_with("gb18306-cli: --pdf - would write binary PDF onto the terminal"))
      << run.err;
  Launch toFile({"--pdf", "-"}, work.Path());
  toFile.standardOutput = (work / "s.pdf").string();
  EXPECT_EQ(RunToEnd(toFile).status, 0);
  EXPECT_TRUE(ReadFile(work / "s.pdf").starts_with("%PDF-"));
}

TEST(CliProcess, ChartPngAtTheDefaultSizeAndExportErrors) {
  GB_SKIP_WITHOUT_PROCESSES();
  const TempFolder work;
  EXPECT_EQ(RunProgram({"--chart", "c.PNG"}, work.Path()).status, 0);
  const std::string png = ReadFile(work / "c.PNG");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  // IHDR: width and height, big-endian, at bytes 16 and 20.
  EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x04\xB0\0\0\x03\x20", 8));

  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } kCases[] = {
      {{"--pdf", "/no/such/dir/s.pdf"},
       1,
       "Cannot create file \"/no/such/dir/s.pdf\". No such file or directory.\n"},
      {{"--chart", "/no/such/dir/c.svg"},
       1,
       "Cannot create file \"/no/such/dir/c.svg\". No such file or directory.\n"},
      {{"--k1", "abc", "--pdf", "s.pdf", "--chart", "c.png"},
       1,
       "'abc' is not a valid floating point value. (--k1)\n"},
      {{"--chart", "c.gif"},
       2,
       "gb18306-cli: the chart file 'c.gif' must end in .png or .svg\nTry 'gb18306-cli --help' "
       "for more information.\n"},
  };
  for (const auto& c : kCases) {
    const Outcome run = RunProgram(c.args, work.Path());
    EXPECT_EQ(run.status, c.status) << c.args[1];
    EXPECT_EQ(run.err, c.err);
  }
  EXPECT_EQ(Entries(work.Path()), std::set<std::string>{"c.PNG"});

  const Outcome toStdout = RunProgram({"--pdf", "-"}, work.Path());
  EXPECT_EQ(toStdout.status, 0);
  EXPECT_TRUE(toStdout.out.starts_with("%PDF-"));
  EXPECT_EQ(toStdout.err, "");
}
#else
TEST(CliProcess, WithoutQtSheetAndChartAreUsageErrors) {
  GB_SKIP_WITHOUT_PROCESSES();
  const TempFolder work;
  const Outcome run = RunProgram({"--pdf", "s.pdf"}, work.Path());
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.starts_with("gb18306-cli: this build writes no PDF or chart images"));
  EXPECT_TRUE(Entries(work.Path()).empty());
}
#endif

// A standard input that cannot be read is the system's error, not an input without a header.
TEST(CliProcess, StandardInputThatCannotBeRead) {
  GB_SKIP_WITHOUT_PROCESSES();
  Launch closed({"--batch", "-"});
  closed.closeInput = true;
  const Outcome run = RunToEnd(closed);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Cannot read the standard input. Bad file descriptor.\n");
  const TempFolder work;
  Launch folder({"--batch", "-"});
  folder.standardInput = work.Path().string();
  const Outcome fromFolder = RunToEnd(folder);
  EXPECT_EQ(fromFolder.status, 1);
  EXPECT_EQ(fromFolder.err, "Cannot read the standard input. Is a directory.\n");
}

#ifdef GB_HAVE_EXPORT
// Two outputs that are one file would keep only the last: a usage error, nothing written.
TEST(CliProcess, OutputsNamingOneFile) {
  GB_SKIP_WITHOUT_PROCESSES();
  const TempFolder work;
  fs::create_symlink("r.csv", work / "alias.csv");
  const std::string hint = "\nTry 'gb18306-cli --help' for more information.\n";
  WriteFile(work / "former.csv", "former");
  fs::create_hard_link(work / "former.csv", work / "hard.svg");
  const std::pair<std::vector<std::string>, std::string> kCases[] = {
      {{"--report", "r.csv", "--pdf", "r.csv"}, "--report and --pdf name the same file 'r.csv'"},
      {{"--report", "r.csv", "--pdf", "./alias.csv"},
       "--report and --pdf name the same file './alias.csv'"},
      {{"--report", "former.csv", "--chart", "hard.svg"},
       "--report and --chart name the same file 'hard.svg'"},
      {{"--report", "-", "--pdf", "o.txt"},
       "--pdf names the file the standard output goes to, where --report - writes"},
  };
  for (const auto& [args, message] : kCases) {
    WriteFile(work / "o.txt", "former");
    Launch launch(args, work.Path());
    launch.standardOutput = (work / "o.txt").string();
    const Outcome run = RunToEnd(launch);
    EXPECT_EQ(run.status, 2) << args[3];
    EXPECT_EQ(run.err, "gb18306-cli: " + message + hint);
    EXPECT_FALSE(fs::exists(work / "r.csv"));
    EXPECT_EQ(ReadFile(work / "o.txt"), "") << args[3];  // opened for the run, nothing written
    EXPECT_EQ(ReadFile(work / "former.csv"), "former");
  }
}
#endif

// A batch whose output is its own input would replace the sites before they are read: a usage
// error, whichever way the one file is named, with the input byte for byte as it was.
TEST(CliProcess, BatchOutputThatIsItsInput) {
  GB_SKIP_WITHOUT_PROCESSES();
  const TempFolder work;
  const std::string sites = "pga,zone\n0.20,0.40\n";
  WriteFile(work / "sites.csv", sites);
  fs::create_directory(work / "sub");
  fs::create_symlink("sites.csv", work / "link.csv");
  fs::create_hard_link(work / "sites.csv", work / "hard.csv");
  const std::string hint = "\nTry 'gb18306-cli --help' for more information.\n";
  const struct {
    std::vector<std::string> args;
    bool fromStandardInput;
    std::string message;
    bool appendedToInput = false;  // standard output: >> sites.csv
  } kCases[] = {
      {{"--batch", "sites.csv", "--format", "csv"},
       false,
       "the standard output goes to the file --batch reads, 'sites.csv'",
       true},
      {{"--batch", "-", "--format", "csv"},
       true,
       "the standard output goes to the file the standard input comes from, where --batch - "
       "reads",
       true},
      {{"--batch", "sites.csv", "--output", "sites.csv", "--format", "jsonl"},
       false,
       "--batch and --output name the same file 'sites.csv'"},
      {{"--batch", "sites.csv", "--output", "sub/../sites.csv"},
       false,
       "--batch and --output name the same file 'sub/../sites.csv'"},
      {{"--batch", (work / "sites.csv").string(), "--output", "./sites.csv"},
       false,
       "--batch and --output name the same file './sites.csv'"},
      {{"--batch", "sites.csv", "--output", "link.csv"},
       false,
       "--batch and --output name the same file 'link.csv'"},
      {{"--batch", "link.csv", "--output", "sites.csv"},
       false,
       "--batch and --output name the same file 'sites.csv'"},
      {{"--batch", "sites.csv", "--output", "hard.csv"},
       false,
       "--batch and --output name the same file 'hard.csv'"},
      {{"--batch", "-", "--output", "sites.csv"},
       true,
       "--output names the file the standard input comes from, where --batch - reads"},
      {{"--batch", "-", "--output", "hard.csv"},
       true,
       "--output names the file the standard input comes from, where --batch - reads"},
  };
  const std::set<std::string> entries = Entries(work.Path());
  for (const auto& c : kCases) {
    Launch launch(c.args, work.Path());
    if (c.fromStandardInput) launch.standardInput = (work / "sites.csv").string();
    if (c.appendedToInput) {
      launch.standardOutput = (work / "sites.csv").string();
      launch.appendOutput = true;
    }
    const Outcome run = RunToEnd(launch);
    EXPECT_EQ(run.status, 2) << c.args[3];
    EXPECT_EQ(run.err, "gb18306-cli: " + c.message + hint);
    if (!c.appendedToInput) {
      EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(ReadFile(work / "sites.csv"), sites) << c.args[3];
    EXPECT_EQ(Entries(work.Path()), entries);
  }
  // Another file is no problem, nor is the standard input from one file and the output to another.
  Launch other({"--batch", "-", "--output", "out.csv"}, work.Path());
  other.standardInput = (work / "sites.csv").string();
  EXPECT_EQ(RunToEnd(other).status, 0);
  EXPECT_EQ(RunToEnd(Launch({"--batch", "hard.csv", "--output", "out.csv"}, work.Path())).status,
            0);
  // Devices are read and written in place: nothing to lose there.
  Launch device({"--batch", "-", "--output", "/dev/null"}, work.Path());
  device.standardInput = (work / "sites.csv").string();
  EXPECT_EQ(RunToEnd(device).status, 0);
  Launch fromDevice({"--batch", "/dev/stdin"}, work.Path());
  fromDevice.standardInput = (work / "sites.csv").string();
  const Outcome fromDeviceRun = RunToEnd(fromDevice);
  EXPECT_EQ(fromDeviceRun.status, 0) << fromDeviceRun.err;
  EXPECT_TRUE(fromDeviceRun.out.starts_with("pga,zone,error,")) << fromDeviceRun.out;
}

TEST(CliProcess, VersionHelpAndTables) {
  GB_SKIP_WITHOUT_PROCESSES();
  const TempFolder work;
  const Outcome version = RunProgram({"--version"}, work.Path());
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "gb18306-cli 1.0.0\n");
  const Outcome help = RunProgram({"--help"}, work.Path());
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: gb18306-cli [--pga TEXT]"));
  const Outcome tables = RunProgram({}, work.Path());
  EXPECT_EQ(tables.status, 0);
  EXPECT_TRUE(tables.out.starts_with("地震动峰值加速度 (g)\n")) << tables.out;
  EXPECT_EQ(version.err + help.err + tables.err, "");
  EXPECT_TRUE(Entries(work.Path()).empty());
}

}  // namespace
}  // namespace gb
