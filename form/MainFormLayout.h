// The main window's controls as designed, for every front end to build them from: names, parents,
// captions, positions and sizes in 96-dpi pixels, anchors, and the tab cycle. The rule that moves
// an anchored control when its container is resized lives here too.
#pragma once

#include <string_view>

#include "report/GridCaptions.h"

namespace gb {

// Which edges of a control keep their distance to the same edges of its container.
enum TAnchorKind : unsigned { akLeft = 1u, akTop = 2u, akRight = 4u, akBottom = 8u };
using TAnchors = unsigned;
inline constexpr TAnchors kLeftTop = akLeft | akTop;

struct DesignRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  friend bool operator==(const DesignRect&, const DesignRect&) = default;
};

// The rectangle the anchors give a control designed at `design` in a container designed at
// `designWidth` x `designHeight` and now `width` x `height`: left alone keeps the left edge,
// right alone moves with the right edge, both stretch (likewise top and bottom); a control
// squeezed below nothing is cut off, never turned inside out.
DesignRect AnchoredRect(DesignRect design, TAnchors anchors, int designWidth, int designHeight,
                        int width, int height);

enum class ControlKind { Group, Label, List, Edit, Button, Grid, Chart, StatusBar };

struct ControlDesign {
  const char* Name;    // the control's name
  const char* Parent;  // a group's name, or "ClientArea" for the window's client area
  ControlKind Kind;
  const char* Caption;  // UTF-8; empty where the control has none
  DesignRect Place;     // a label's width and height come from its caption (0 here)
  TAnchors Anchors = kLeftTop;
};

inline constexpr int kMainClientWidth = 967;
inline constexpr int kMainClientHeight = 540;
inline constexpr int kMainStatusBarHeight = 26;

// In the order they are made: a container before what it holds.
inline constexpr ControlDesign kMainFormControls[] = {
    {"rzstsbr2",
     "ClientArea",
     ControlKind::StatusBar,
     "",
     {0, kMainClientHeight - kMainStatusBarHeight, kMainClientWidth, kMainStatusBarHeight},
     akLeft | akRight | akBottom},
    {"grp1", "ClientArea", ControlKind::Group, "输入参数", {8, 5, 452, 229}},
    {"grp2",
     "ClientArea",
     ControlKind::Group,
     "参数计算结果",
     {465, 5, 496, 502},
     akLeft | akTop | akRight | akBottom},
    {"grp3",
     "ClientArea",
     ControlKind::Group,
     "反应谱",
     {8, 268, 452, 241},
     akLeft | akTop | akBottom},
    {"btn3", "ClientArea", ControlKind::Button, "保存数据", {123, 239, 104, 25}},
    {"btn4", "ClientArea", ControlKind::Button, "关闭", {356, 239, 104, 25}},
    {"btn1", "ClientArea", ControlKind::Button, "帮助", {240, 239, 104, 25}},
    {"btn2", "ClientArea", ControlKind::Button, "计算", {8, 239, 104, 25}},
    {"lbl1", "grp1", ControlKind::Label, "Ⅱ类场地 地震动峰值加速度 (g)", {16, 24, 0, 0}},
    {"lbl2", "grp1", ControlKind::Label, "II类场地 地震动加速度反应谱特征周期 (s)", {16, 49, 0, 0}},
    {"lbl3",
     "grp1",
     ControlKind::Label,
     "Ⅱ类场地 极罕遇 地震动峰值加速度缩放系数 K1",
     {16, 74, 0, 0}},
    {"lbl4",
     "grp1",
     ControlKind::Label,
     "Ⅱ类场地 罕遇 地震动峰值加速度缩放系数 K2",
     {16, 99, 0, 0}},
    {"lbl5",
     "grp1",
     ControlKind::Label,
     "Ⅱ类场地 多遇 地震动峰值加速度缩放系数 K3",
     {16, 124, 0, 0}},
    {"lbl6",
     "grp1",
     ControlKind::Label,
     "罕遇 地震动加速度反应谱特征周期增加值 (s)",
     {16, 149, 0, 0}},
    {"lbl7",
     "grp1",
     ControlKind::Label,
     "极罕遇 地震动加速度反应谱特征周期增加值 (s)",
     {16, 174, 0, 0}},
    {"lbl12", "grp1", ControlKind::Label, "地震动加速度放大系数反应谱的平台值", {16, 201, 0, 0}},
    {"cbb1", "grp1", ControlKind::List, "", {282, 21, 153, 21}},
    {"cbb2", "grp1", ControlKind::List, "", {282, 46, 153, 21}},
    {"edt1", "grp1", ControlKind::Edit, "", {282, 71, 153, 21}},
    {"edt2", "grp1", ControlKind::Edit, "", {282, 96, 153, 21}},
    {"edt3", "grp1", ControlKind::Edit, "", {282, 121, 153, 21}},
    {"edt4", "grp1", ControlKind::Edit, "", {282, 146, 153, 21}},
    {"edt5", "grp1", ControlKind::Edit, "", {282, 171, 153, 21}},
    {"edt6", "grp1", ControlKind::Edit, "", {282, 198, 153, 21}},
    {"lbl8", "grp2", ControlKind::Label, kGridCaptions[0], {12, 21, 0, 0}},
    {"strngrd1", "grp2", ControlKind::Grid, "", {12, 40, 473, 132}},
    {"lbl9", "grp2", ControlKind::Label, kGridCaptions[1], {12, 176, 0, 0}},
    {"strngrd2", "grp2", ControlKind::Grid, "", {12, 195, 473, 132}},
    {"lbl10", "grp2", ControlKind::Label, kGridCaptions[2], {12, 334, 0, 0}},
    {"strngrd3", "grp2", ControlKind::Grid, "", {12, 353, 473, 133}},
    {"lbl11", "grp3", ControlKind::Label, "场地类别", {16, 18, 0, 0}},
    {"cbb3", "grp3", ControlKind::List, "", {70, 14, 193, 21}},
    {"cht2", "grp3", ControlKind::Chart, "", {2, 40, 448, 198}, akLeft | akTop | akBottom},
};

// The tab cycle; the first control has the focus when the window is first shown.
inline constexpr const char* kMainTabOrder[] = {
    "cbb1",     "cbb2",     "edt1", "edt2", "edt3", "edt4", "edt5", "edt6", "strngrd1",
    "strngrd2", "strngrd3", "cht2", "cbb3", "btn3", "btn4", "btn1", "btn2"};

// The design of the control named `name`; a name the table does not hold is a programming error
// (std::out_of_range).
const ControlDesign& MainFormControl(std::string_view name);

// The control a label names, for a front end that ties them together (a screen reader reads the
// label for its control): the list, edit box, grid or chart beside it on its row in the same
// container, or else the one right below it; empty for a label that names none.
std::string_view LabelledControl(const ControlDesign& label);

}  // namespace gb
