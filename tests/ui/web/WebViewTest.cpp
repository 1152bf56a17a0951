// The page's view of the main form with a fake page: what each command shows, hands over and
// asks for, the refused-then-answered dialogs, the page's design and the worker's batch.
#include "ui/web/WebView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "chart/ResponseChart.h"
#include "cli/RunCli.h"
#include "form/MainForm.h"
#include "tests/ui/web/FakePage.h"
#include "ui/web/PageDesign.h"
#include "ui/web/WebBatch.h"

namespace gb {
namespace {

using test::Page;

// A folder of the running test's own: ctest runs the tests of this file side by side.
std::filesystem::path TempFolder(const char* name) {
  const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
  std::string leaf = "gb-web-";
  leaf.append(test.test_suite_name()).append("-").append(test.name()).append("-").append(name);
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / leaf;
  std::filesystem::remove_all(folder);
  return folder;
}

class WebViewTest : public testing::Test {
 protected:
  void SetUp() override {
    test::Reset();
    AddSpectrumSeries(chart_.Plot());
    Run(&TMainForm::FormCreate);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // As the page's entry point runs a command: its error in the box, its files handed over.
  void Run(void (TMainForm::*command)()) {
    try {
      (form_.*command)();
    } catch (const Exception& e) {
      view_.ShowError(e);
    }
    view_.EndCommand();
  }

  std::filesystem::path folder_ = TempFolder("downloads");
  TWebChart chart_;
  TWebView view_{chart_, folder_};
  TMainForm form_{view_};
};

TEST_F(WebViewTest, FirstCalculateFillsTheGridsAndTheChart) {
  EXPECT_EQ(Page().cells[0][1][0], "I0");
  EXPECT_EQ(Page().cells[0][0][1], "多遇地震动");
  EXPECT_EQ(Page().cells[0][3][2], "0.0500");  // II, basic
  EXPECT_EQ(Page().cells[1][3][2], "0.3500");
  EXPECT_EQ(Page().cells[2][3][2], "0.1250");
  EXPECT_EQ(chart_.Plot().Series(0)->Count(), 241);
  EXPECT_GT(Page().chartChanges, 0);
  chart_.Paint();
  EXPECT_GT(Page().paintCommands, 0);
  EXPECT_TRUE(Page().boxes.empty());
}

TEST_F(WebViewTest, SaveDataHandsOverTheReportOnce) {
  Run(&TMainForm::btn3Click);
  ASSERT_EQ(Page().deliveries.size(), 1u);
  const std::string& report = Page().deliveries[0].bytes;
  EXPECT_EQ(Page().deliveries[0].name, "地震动参数查询结果.csv");
  std::size_t lines = 0;
  for (std::size_t at = report.find("\r\n"); at != std::string::npos;
       at = report.find("\r\n", at + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 273u);
  ASSERT_FALSE(Page().boxes.empty());
  EXPECT_EQ(Page().boxes.back().text, kDoneNotice);
  EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

TEST_F(WebViewTest, ARejectedTextShowsTheErrorBox) {
  Page().edits[2] = "abc";
  Run(&TMainForm::btn2Click);
  ASSERT_EQ(Page().boxes.size(), 1u);
  EXPECT_EQ(Page().boxes[0].text, "'abc' is not a valid floating point value.");
  EXPECT_EQ(Page().boxes[0].kind, 1);
}

// A browser's dialog cannot hold the command up: the command is refused and asks; answered, it
// runs again; an answer not asked for lapses when a command ends.
TEST_F(WebViewTest, TheSheetAsksForNamesThenShows) {
  Run(&TMainForm::Print1Click);
  ASSERT_EQ(Page().asks.size(), 1u);
  EXPECT_EQ(Page().asks[0].dialog, static_cast<int>(TPageDialog::SheetNames));
  EXPECT_TRUE(Page().sheets.empty());
  view_.AnswerSheetNames({"工程甲", "场地乙"});
  Run(&TMainForm::Print1Click);
  ASSERT_EQ(Page().sheets.size(), 1u);
  EXPECT_NE(Page().sheets[0].find("工程甲"), std::string::npos);
  EXPECT_NE(Page().sheets[0].find("\"kind\":\"chart\""), std::string::npos);
  view_.AnswerSheetNames({"x", "y"});
  Run(&TMainForm::btn2Click);
  Run(&TMainForm::PrintPreview1Click);
  EXPECT_EQ(Page().asks.size(), 2u);
  EXPECT_EQ(Page().sheets.size(), 1u);
}

TEST_F(WebViewTest, SpectrumFilesOfAllLevelsAreHandedOverEach) {
  Page().itemIndex[2] = scIII;
  Run(&TMainForm::cbb3Change);
  Run(&TMainForm::ExportSpectrumFile1Click);
  ASSERT_EQ(Page().asks.size(), 1u);
  EXPECT_EQ(Page().asks[0].dialog, static_cast<int>(TPageDialog::SpectrumFileChoice));
  EXPECT_NE(Page().asks[0].initial.find("\"site\":3"), std::string::npos);
  view_.AnswerSpectrumFileChoice({SpectrumFileFormat::Sgs, lvBasic, true, scIII});
  Run(&TMainForm::ExportSpectrumFile1Click);
  ASSERT_EQ(Page().deliveries.size(), 4u);
  for (const auto& file : Page().deliveries) {
    EXPECT_TRUE(file.name.ends_with(".sgs")) << file.name;
    EXPECT_TRUE(file.bytes.starts_with("*SGSw")) << file.name;
  }
  EXPECT_EQ(Page().boxes.back().text, kDoneNotice);
}

TEST_F(WebViewTest, TheChartImageIsThePagesPng) {
  Run(&TMainForm::ExportChart1Click);
  ASSERT_EQ(Page().deliveries.size(), 1u);
  EXPECT_EQ(Page().deliveries[0].name, "反应谱.png");
  EXPECT_EQ(Page().deliveries[0].bytes, "PNG!");
  Run(&TMainForm::CopyAll1Click);
  ASSERT_EQ(Page().copied.size(), 1u);
  EXPECT_NE(Page().copied[0].find("0.0500"), std::string::npos);
}

TEST(PageDesign, HoldsTheWindowsControlsTextsAndPanesInOrder) {
  const std::string json = PageDesignJson();
  for (const char* name :
       {"\"name\":\"cbb1\"", "\"name\":\"strngrd3\"", "\"name\":\"cht2\"", "\"for\":\"edt6\"",
        "\"for\":\"strngrd1\"", "\"title\":\"RI 18306", "\"doneNotice\":\"完成!\"",
        "\"edits\":[\"2.9\",\"1.9\",\"0.3333\"",
        "\"name\":\"edt1\",\"parent\":\"grp1\",\"kind\":\"edit\",\"caption\":\"\","
        "\"place\":[282,71,153,21]"}) {
    EXPECT_NE(json.find(name), std::string::npos) << name;
  }
  const std::size_t panes = json.find("\"statusPanes\"");
  const std::size_t author = json.find("rzfldsts3", panes);
  const std::size_t welcome = json.find("rzfldsts1", panes);
  const std::size_t link = json.find("rzfldsts2", panes);
  EXPECT_LT(author, welcome);
  EXPECT_LT(welcome, link);
}

// The worker's batch is the command line's, and tells a run to its end from one stopped short.
TEST(WebBatch, TheCommandLinesBytesAndWhetherTheyAreWhole) {
  const std::filesystem::path folder = TempFolder("batch");
  std::filesystem::create_directories(folder);
  const std::string good = (folder / "sites.csv").string(), bad = (folder / "bad.csv").string();
  std::ofstream(good) << "pga,zone,k1\n0.10,0.35,\n0.20,0.40,3\n0.30,0.45,x\n";
  std::ofstream(bad) << "pga,zone\n0.10,0.35\n0.20\0,0.40\n";
  std::ofstream(bad, std::ios::app).write("0.1\0,0.3\n", 9);
  for (const auto& [file, whole] : {std::pair{good, true}, std::pair{bad, false}}) {
    test::Reset();
    const std::vector<std::string> args = {"--batch", file, "--format", "jsonl", "--site", "III"};
    for (const std::string& arg : args) AddBatchArgument(arg);
    bool complete = !whole;
    const int status = RunBatchArguments(complete);
    EXPECT_EQ(complete, whole) << file;
    std::ostringstream out, err;
    const std::vector<std::string_view> views(args.begin(), args.end());
    EXPECT_EQ(status, RunCli(views, out, err));
    EXPECT_EQ(Page().output, out.str());
    std::string messages;
    for (const std::string& line : Page().messages) messages.append(line).append("\n");
    EXPECT_EQ(messages, err.str());
    EXPECT_FALSE(messages.empty()) << file;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace gb
