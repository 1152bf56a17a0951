// The built program as a user runs it: exit status, messages, and the files it leaves.
#include <gtest/gtest.h>

#include "ProgramRun.h"
#include "report/TextEncoding.h"

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
      {{"--k2", "abc", "--report", "r.csv"}, 1, "'abc' is not a valid floating point value.\n"},
      {{"--k1", "1e309", "--report", "r.csv"}, 1, "Floating point overflow.\n"},
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

TEST(CliProcess, VersionHelpAndTables) {
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
