// The commands the main window has beyond its buttons (the menu 文件 and the chart's context
// menu) and the file dialogs they open, for every front end to build them from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartGeometry.h"

namespace gb {

enum class CommandKey { None, CtrlE, CtrlP };

struct WindowCommand {
  const char* Name;
  const char* Caption;  // UTF-8
  CommandKey Key = CommandKey::None;
  bool SeparatorBefore = false;
};

inline constexpr const char* kFileMenuCaption = "文件";

inline constexpr WindowCommand kFileMenuCommands[] = {
    {"ExportSheet1", "导出计算书(PDF)…", CommandKey::CtrlE},
    {"Print1", "打印…", CommandKey::CtrlP},
    {"PrintPreview1", "打印预览…"},
    {"ExportChart1", "导出反应谱图…", CommandKey::None, true},
    {"ExportSpectrumFile1", "导出反应谱函数…"},
    {"CopyAll1", "复制全部结果"},
    {"BatchCalculation1", "批量计算…", CommandKey::None, true},
};

inline constexpr const char* kHelpMenuCaption = "帮助";
inline constexpr WindowCommand kHelpMenuCommands[] = {
    {"About2", "关于"},
    {"Howtouse1", "如何使用?"},
};

inline constexpr WindowCommand kChartMenuCommands[] = {
    {"CopyImage1", "复制图像"},
    {"SaveImage1", "保存图像…"},
};

// The names a calculation sheet prints, asked for before it is exported or printed; UTF-8.
struct SheetNamesDialogDesign {
  const char* Caption;
  const char* ProjectLabel;
  const char* SiteLabel;
  const char* Ok;
  const char* Cancel;
};
inline constexpr SheetNamesDialogDesign kSheetNamesDialog{"计算书",
                                                          "工程名称:", "场地名称:", "确定", "取消"};

// The choice before a spectrum function file is saved: its format, the level (or all four, a
// file each) and the site class; UTF-8.
struct SpectrumFileDialogDesign {
  const char* Caption;
  const char* FormatLabel;
  const char* LevelLabel;
  const char* AllLevels;  // the level list's last item
  const char* SiteLabel;
  const char* Ok;
  const char* Cancel;
};
inline constexpr SpectrumFileDialogDesign kSpectrumFileDialog{
    "导出反应谱函数", "格式:", "地震动水准:", "全部四个水准 (每个水准一个文件)",
    "场地类别:",      "确定",  "取消"};

// Where a save dialog opens: beside the program (Save data, as designed), in the user's
// documents, or beside the batch's input file.
enum class DialogFolder { ProgramFolder, Documents, InputFolder };

struct FileDialogDesign {
  const char* Filter;      // "caption|patterns|caption|patterns…", UTF-8
  const char* DefaultExt;  // without the dot
  const char* FileName;    // the name offered; empty: the command names it
  DialogFolder Folder;
};

inline constexpr FileDialogDesign kSaveReportDialog{
    "CSV(逗号分隔)(*.csv)|*.csv", "csv", "地震动参数查询结果", DialogFolder::ProgramFolder};
inline constexpr FileDialogDesign kSaveSheetDialog{"PDF(*.pdf)|*.pdf", "pdf",
                                                   "地震动参数计算书.pdf", DialogFolder::Documents};
inline constexpr FileDialogDesign kSaveImageDialog{"PNG 图像(*.png)|*.png|SVG 矢量图(*.svg)|*.svg",
                                                   "png", "反应谱.png", DialogFolder::Documents};
// Where no SVG writer is built (the Windows window draws with GDI), the image is PNG alone.
inline constexpr FileDialogDesign kSavePngImageDialog{"PNG 图像(*.png)|*.png", "png", "反应谱.png",
                                                      DialogFolder::Documents};
// The spectrum function files, in the order of kSpectrumFileFormats.
inline constexpr FileDialogDesign kSpectrumFileDialogs[] = {
    {"MIDAS Gen/Civil(*.sgs)|*.sgs", "sgs", "反应谱函数.sgs", DialogFolder::Documents},
    {"SAP2000 / ETABS(*.txt)|*.txt", "txt", "反应谱函数.txt", DialogFolder::Documents},
    {"OpenSees Tcl(*.tcl)|*.tcl", "tcl", "反应谱函数.tcl", DialogFolder::Documents},
    {"CSV(逗号分隔)(*.csv)|*.csv", "csv", "反应谱函数.csv", DialogFolder::Documents},
};

// The batch's input is opened with this filter, and its results saved with it beside the input.
inline constexpr FileDialogDesign kBatchDialog{"CSV(逗号分隔)(*.csv)|*.csv|所有文件(*)|*", "csv",
                                               "", DialogFolder::InputFolder};

// One type of a filter: its caption and its patterns ("*.csv", several separated by ';').
struct FileFilterItem {
  std::string Text;
  std::string Patterns;
};
std::vector<FileFilterItem> ParseFileFilter(std::string_view filter);

// The caption a dialog lists: the text, followed by " (patterns)" unless it ends with them.
std::string FilterCaption(const FileFilterItem& item);

// The extension a name typed without one gets while this type is chosen: "png" for "*.png",
// nothing for "*".
std::string FilterExtension(const FileFilterItem& item);

// Exported and copied images are twice the chart's size on screen, drawn at the same layout; a
// chart squeezed below its designed size (or not yet laid out) is drawn at that size instead,
// so that the image keeps its labels.
inline constexpr int kChartImageScale = 2;
inline constexpr ChartSize kChartDesignSize{448, 198};
ChartSize ChartImagePixels(ChartSize onScreen);

// A dialog of `box` size centred over its owner's frame, but never above or left of the desktop.
struct ScreenRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};
ChartPoint OwnerCentredPosition(const ScreenRect& owner, ChartSize box, const ScreenRect& desktop);

// A progress display appears only for a command that takes longer than a moment, so a short one
// does not flash, and then refreshes at most every 50 ms.
class ProgressPacing {
 public:
  static constexpr long long kShowAfterMs = 500;
  static constexpr long long kRefreshMs = 50;
  // Whether to refresh now, `elapsedMs` after the command began.
  bool Due(long long elapsedMs);

 private:
  long long last_ = 0;
};

}  // namespace gb
