#include "form/MainForm.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "engine/DesignResponse.h"
#include "engine/DesignedInputs.h"
#include "platform/SystemCodePage.h"
#include "report/Author.h"
#include "report/SpreadsheetText.h"
#include "spectrumfile/SaveSpectrumFile.h"
#include "text/NumberSeparators.h"

namespace gb {
namespace {

namespace fs = std::filesystem;

// A window that records what the form asks of it, in order, and answers from its fields.
class FakeView : public TMainFormView {
 public:
  int lists[3] = {kDesignedInputs.pgaZoneIndex, kDesignedInputs.tgZoneIndex, scII};
  std::string edits[6] = {std::string(kDesignedInputs.k1),
                          std::string(kDesignedInputs.k2),
                          std::string(kDesignedInputs.k3),
                          std::string(kDesignedInputs.rareTgIncrement),
                          std::string(kDesignedInputs.veryRareTgIncrement),
                          std::string(kDesignedInputs.betaMax)};
  std::map<std::tuple<int, int, int>, std::string> cells;
  std::vector<std::vector<std::pair<double, double>>> curves{4};
  std::vector<std::string> log;  // the calls that change what the window shows
  std::optional<TChosenFile> saveAnswer, openAnswer;
  std::vector<TSaveRequest> saveRequests;
  std::optional<TSheetNames> names = TSheetNames{"工程", "场地"};
  std::vector<ChartImageFormat> imageFormats = {ChartImageFormat::Png, ChartImageFormat::Svg};
  std::string clipboard;
  int progressUpdates = 0;

  int ItemIndex(TListControl list) const override { return lists[static_cast<int>(list)]; }
  std::string EditText(int edit) const override { return edits[edit]; }
  void SetGridColCount(ResultGrid grid, int count) override {
    log.push_back(Grid(grid) + " cols " + std::to_string(count));
  }
  void SetGridColWidth(ResultGrid grid, int col, int width) override {
    log.push_back(Grid(grid) + " width " + std::to_string(col) + " " + std::to_string(width));
  }
  void SetCell(ResultGrid grid, int col, int row, const std::string& text) override {
    if (log.empty() || log.back() != Grid(grid) + " cells") log.push_back(Grid(grid) + " cells");
    cells[{static_cast<int>(grid), col, row}] = text;
  }
  std::string Cell(ResultGrid grid, int col, int row) const override {
    const auto it = cells.find({static_cast<int>(grid), col, row});
    return it == cells.end() ? std::string() : it->second;
  }
  void ClearSpectra() override {
    log.push_back("clear");
    for (auto& c : curves) c.clear();
  }
  void AddSpectrumPoint(int level, double period, double sa) override {
    if (log.back() != "plot") log.push_back("plot");
    curves[level].emplace_back(period, sa);
  }
  std::vector<ChartImageFormat> ChartImageFormats() const override { return imageFormats; }
  std::string ChartImageBytes(ChartImageFormat format) override {
    return format == ChartImageFormat::Svg ? "svg" : "png";
  }
  void CopyChartImage() override { log.push_back("copy image"); }
  std::optional<TChosenFile> ExecuteSaveDialog(TSaveDialogId dialog,
                                               const TSaveRequest& request) override {
    log.push_back("save dialog " + std::to_string(static_cast<int>(dialog)));
    saveRequests.push_back(request);
    return saveAnswer;
  }
  std::optional<TChosenFile> AskOpenFileName(const FileDialogDesign&) override {
    log.push_back("open dialog");
    return openAnswer;
  }
  std::optional<TSpectrumFileChoice> spectrumChoice;
  TSpectrumFileChoice spectrumInitial;
  std::optional<TSpectrumFileChoice> AskSpectrumFileChoice(
      const TSpectrumFileChoice& initial) override {
    log.push_back("spectrum dialog");
    spectrumInitial = initial;
    return spectrumChoice;
  }
  std::optional<TSheetNames> AskSheetNames() override {
    log.push_back("names");
    return names;
  }
  void ShowNotice(const std::string& text) override { log.push_back("notice " + text); }
  void ShowError(const Exception& error) override { log.push_back("error " + error.Message()); }
  bool replaceAnswer = false;
  bool Confirm(const std::string& text) override {
    log.push_back("confirm " + text);
    return replaceAnswer;
  }
  std::unique_ptr<TProgressView> BeginProgress(const std::string& caption) override {
    log.push_back("progress " + caption);
    struct Progress : TProgressView {
      int* updates;
      explicit Progress(int* u) : updates(u) {}
      bool Update(const std::string&) override { return ++*updates, true; }
    };
    return std::make_unique<Progress>(&progressUpdates);
  }
  void ShowAbout() override { log.push_back("about"); }
  std::string SheetPdfBytes(const CalculationSheet& sheet) override {
    return "%PDF " + sheet.project + " " + sheet.siteName;
  }
  void PrintSheet(const CalculationSheet& sheet) override {
    log.push_back("print " + sheet.project + " class " + std::to_string(sheet.siteClass));
  }
  void PreviewSheet(const CalculationSheet&) override { log.push_back("preview"); }
  void CopyText(const std::string& text) override { clipboard = text; }
  void OpenWebAddress(const std::string& address) override { log.push_back("open " + address); }
  void SetLinkHot(bool hot) override { log.push_back(hot ? "hot" : "normal"); }
  void Close() override { log.push_back("close"); }
  std::string Now() const override { return "2026-12-10 12:00:00"; }

  static std::string Grid(ResultGrid grid) {
    return "strngrd" + std::to_string(static_cast<int>(grid) + 1);
  }
};

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DecimalSeparator = u'.';
    ThousandSeparator = u',';
    dir_ = fs::temp_directory_path() /
           ("gb-main-form-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  // The file named `utf8` in the test's folder, as a dialog would give it on any system.
  TChosenFile File(std::string_view utf8) const {
    const fs::path path = dir_ / fs::path(std::u8string(utf8.begin(), utf8.end()));
    const std::u8string name = path.u8string();
    return {path, std::string(name.begin(), name.end())};
  }

  FakeView view;
  TMainForm form{view};
  fs::path dir_;
};

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(MainFormTest, OpeningLabelsTheGridsThenCalculates) {
  form.FormCreate();
  const std::vector<std::string> expected = {
      "strngrd1 cols 6", "strngrd1 cells", "strngrd1 width 0 100", "strngrd1 cells",
      "strngrd2 cols 6", "strngrd2 cells", "strngrd2 width 0 100", "strngrd2 cells",
      "strngrd3 cols 6", "strngrd3 cells", "strngrd3 width 0 100", "strngrd3 cells",
      // Calculate: the grids in turn, then the chart cleared and re-plotted.
      "strngrd1 cells", "strngrd2 cells", "strngrd3 cells", "clear", "plot"};
  EXPECT_EQ(view.log, expected);
  EXPECT_EQ(view.Cell(ResultGrid::Pga, 1, 0), kSiteClassLabels[0]);
  EXPECT_EQ(view.Cell(ResultGrid::Platform, 0, 4), kLevelLabels[3]);
  EXPECT_EQ(view.Cell(ResultGrid::Pga, 0, 0), "");  // the corner is never written
  for (int level = 0; level < kLevelCount; ++level) {
    ASSERT_EQ(view.curves[level].size(), static_cast<std::size_t>(SpectrumPointCount));
    EXPECT_EQ(view.curves[level][40].second,
              SpectrumOrdinate(form.Parameters(), kLevels[level], scII, 40));
  }
  ASSERT_TRUE(form.Session().Completed());
  EXPECT_EQ(form.Session().Completed()->CalculatedAt, "2026-12-10 12:00:00");
  EXPECT_EQ(form.Session().PlottedSiteClass(), scII);
}

// A rejected text stops Calculate where it stands: the grids before it keep their new texts,
// the chart its old curves, and the exports are refused before any dialog opens.
TEST_F(MainFormTest, ARejectedTextStopsAtItsStepAndExportsAreRefused) {
  form.FormCreate();
  const std::string oldPlatform = view.Cell(ResultGrid::Platform, 3, 2);
  view.edits[0] = "1.5";  // K1: the grid of peak accelerations changes
  view.edits[5] = "2,5";  // βm, read only for the platform grid
  view.log.clear();
  EXPECT_THROW(form.btn2Click(), EConvertError);
  EXPECT_EQ(view.log, (std::vector<std::string>{"strngrd1 cells", "strngrd2 cells"}));
  EXPECT_EQ(form.Parameters().FK1, 1.5);
  EXPECT_EQ(view.Cell(ResultGrid::Platform, 3, 2), oldPlatform);
  EXPECT_EQ(view.curves[0].size(), static_cast<std::size_t>(SpectrumPointCount));

  view.log.clear();
  for (void (TMainForm::*command)() : {&TMainForm::ExportSheet1Click, &TMainForm::Print1Click,
                                       &TMainForm::PrintPreview1Click, &TMainForm::CopyAll1Click}) {
    try {
      (form.*command)();
      ADD_FAILURE() << "an export after a Calculate that stopped short";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "上次计算未完成, 请改正输入并重新计算后再导出");
    }
  }
  EXPECT_TRUE(view.log.empty()) << view.log.front();
  EXPECT_TRUE(view.clipboard.empty());

  // Save data still writes what stands: K1 stored, the grids as shown.
  view.saveAnswer = File("r.csv");
  form.btn3Click();
  EXPECT_EQ(view.log.back(), "notice 完成!");
  EXPECT_NE(Read(dir_ / "r.csv").find("1.5"), std::string::npos);
}

TEST_F(MainFormTest, FileCommandsWriteAndTellOrStopQuietly) {
  form.FormCreate();
  struct Case {
    void (TMainForm::*command)();
    const char* file;
    const char* content;  // nullptr: nothing written
    const char* error;    // the message thrown, or nullptr
  };
  const Case cases[] = {
      {&TMainForm::ExportChart1Click, "c.svg", "svg", nullptr},
      {&TMainForm::ExportChart1Click, "c.png", "png", nullptr},
      {&TMainForm::ExportChart1Click, "c.gif", nullptr, "an image name ends in .png or .svg"},
      {&TMainForm::ExportSheet1Click, "s.pdf", "%PDF 工程 场地", nullptr},
  };
  for (const Case& c : cases) {
    view.saveAnswer = File(c.file);
    view.log.clear();
    if (c.error != nullptr) {
      try {
        (form.*c.command)();
        ADD_FAILURE() << c.file;
      } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot save \"" + File(c.file).Name + "\": " + c.error);
      }
      EXPECT_FALSE(fs::exists(File(c.file).Path));
      continue;
    }
    (form.*c.command)();
    EXPECT_EQ(Read(File(c.file).Path), c.content) << c.file;
    EXPECT_EQ(view.log.back(), "notice 完成!") << c.file;
  }

  // A window that writes PNG alone says so.
  view.imageFormats = {ChartImageFormat::Png};
  view.saveAnswer = File("c2.svg");
  try {
    form.ExportChart1Click();
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(),
              "Cannot save \"" + File("c2.svg").Name + "\": an image name ends in .png");
  }

  // Cancelled dialogs: nothing written, nothing told.
  view.saveAnswer.reset();
  view.names.reset();
  view.log.clear();
  form.btn3Click();
  form.ExportChart1Click();
  form.ExportSheet1Click();
  form.Print1Click();
  form.PrintPreview1Click();
  EXPECT_EQ(view.log, (std::vector<std::string>{"save dialog 0", "save dialog 2", "names", "names",
                                                "names"}));

  view.names = TSheetNames{"P", "S"};
  view.lists[2] = scIV;
  form.Print1Click();
  EXPECT_EQ(view.log.back(), "print P class 4");
}

TEST_F(MainFormTest, CopyAllAndTheSmallCommands) {
  form.FormCreate();
  form.CopyAll1Click();
  const CalculationSheet sheet =
      MakeCalculationSheet(form.Parameters(), scII, "2026-12-10 12:00:00");
  EXPECT_EQ(view.clipboard, AllResultsText(sheet.inputs, sheet.grids));

  view.log.clear();
  view.lists[2] = scI0;
  form.cbb3Change();
  EXPECT_EQ(form.Session().PlottedSiteClass(), scI0);
  EXPECT_EQ(view.curves[1][100].second, SpectrumOrdinate(form.Parameters(), lvBasic, scI0, 100));
  form.About2Click();
  form.Howtouse1Click();
  form.rzfldsts2MouseMove();
  form.rzfldsts2MouseLeave();
  form.CopyImage1Click();
  form.btn4Click();
  EXPECT_EQ(view.log, (std::vector<std::string>{"clear", "plot", "about",
                                                std::string("open ") + AuthorWebAddress, "hot",
                                                "normal", "copy image", "close"}));
}

TEST_F(MainFormTest, BatchRunsBesideItsInputWithTheWindowsFactors) {
  form.FormCreate();
  {
    std::ofstream in(dir_ / "sites.csv", std::ios::binary);
    in << "pga,zone\n0.2,0.40\n0.1,0.35\n";
  }
  view.openAnswer = File("sites.csv");
  view.saveAnswer = File("out.csv");
  view.edits[2] = "abc";  // K3, the rows' default: each row fails with it
  view.log.clear();
  form.BatchCalculation1Click();
  ASSERT_EQ(view.saveRequests.size(), 1u);
  EXPECT_EQ(view.saveRequests[0].Design, &kBatchDialog);
  EXPECT_EQ(view.saveRequests[0].FileName, File("sites-结果.csv").Name);
  ASSERT_EQ(view.log.size(), 4u);
  EXPECT_EQ(view.log[2], "progress 批量计算");
  EXPECT_EQ(view.log[3].rfind("error ", 0), 0u) << view.log[3];  // the failed rows summed up

  view.edits[2] = "1.0";
  view.log.clear();
  form.BatchCalculation1Click();
  EXPECT_EQ(view.log, (std::vector<std::string>{"open dialog", "save dialog 3", "progress 批量计算",
                                                "notice 完成!"}));
  EXPECT_NE(Read(dir_ / "out.csv").find("0.35"), std::string::npos);

  // A missing input is the error box's, through the guard.
  view.openAnswer = File("missing.csv");
  EXPECT_THROW(form.BatchCalculation1Click(), Exception);
}

// 导出反应谱函数…: the chart's site class offered, one level or a file for each of the four, the
// last choice offered again, and nothing after a Calculate that stopped short.
TEST_F(MainFormTest, SpectrumFilesOfOneLevelOrAllFour) {
  form.FormCreate();
  view.lists[2] = scIII;
  view.log.clear();
  form.ExportSpectrumFile1Click();  // cancelled
  EXPECT_EQ(view.spectrumInitial.Site, scIII);
  EXPECT_EQ(view.log, (std::vector<std::string>{"spectrum dialog"}));

  const ParameterSet& p = form.Parameters();
  const auto expected = [&](SpectrumFileFormat format, Level level, SiteClass site) {
    return SpectrumFileBytes(format, {"0.05", "0.35", p, level, site}, SystemCodePage());
  };
  view.spectrumChoice = TSpectrumFileChoice{SpectrumFileFormat::Csi, lvRare, false, scIV};
  view.saveAnswer = File("s.txt");
  form.ExportSpectrumFile1Click();
  EXPECT_EQ(view.saveRequests.back().Design, &kSpectrumFileDialogs[1]);
  EXPECT_EQ(Read(File("s.txt").Path), expected(SpectrumFileFormat::Csi, lvRare, scIV));
  EXPECT_EQ(view.log.back(), "notice 完成!");

  view.spectrumChoice = TSpectrumFileChoice{SpectrumFileFormat::Sgs, lvRare, true, scI1};
  view.saveAnswer = File("全部.sgs");
  form.ExportSpectrumFile1Click();
  EXPECT_FALSE(fs::exists(File("全部.sgs").Path));
  for (const Level level : kLevels) {
    EXPECT_EQ(Read(File(std::string("全部-") + kLevelLabels[level] + ".sgs").Path),
              expected(SpectrumFileFormat::Sgs, level, scI1));
  }
  // Again: the dialog keeps its folder and name for the same format, and the four files that
  // exist are replaced only when the user says so.
  const std::size_t requests = view.saveRequests.size();
  std::filesystem::remove(File("全部-多遇地震动.sgs").Path);
  view.spectrumChoice->Site = scIV;
  form.ExportSpectrumFile1Click();
  EXPECT_EQ(view.saveRequests.at(requests).Design, nullptr);
  EXPECT_EQ(view.log.back(),
            "confirm 以下文件已存在, 要替换吗?\n全部-基本地震动.sgs\n全部-罕遇地震动.sgs\n"
            "全部-极罕遇地震动.sgs");
  EXPECT_FALSE(fs::exists(File("全部-多遇地震动.sgs").Path));
  view.replaceAnswer = true;
  form.ExportSpectrumFile1Click();
  EXPECT_EQ(view.log.back(), "notice 完成!");
  EXPECT_EQ(Read(File("全部-罕遇地震动.sgs").Path),
            expected(SpectrumFileFormat::Sgs, lvRare, scIV));

  view.spectrumChoice.reset();
  form.ExportSpectrumFile1Click();
  EXPECT_TRUE(view.spectrumInitial.AllLevels);
  EXPECT_EQ(view.spectrumInitial.Format, SpectrumFileFormat::Sgs);

  view.edits[1] = "abc";
  EXPECT_THROW(form.btn2Click(), EConvertError);
  view.log.clear();
  EXPECT_THROW(form.ExportSpectrumFile1Click(), Exception);
  EXPECT_TRUE(view.log.empty());
}

}  // namespace
}  // namespace gb
