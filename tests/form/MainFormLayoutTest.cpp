#include "form/MainFormLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace gb {
namespace {

TEST(MainFormLayout, AnchorsOnResize) {
  const DesignRect design{10, 20, 100, 50};
  const struct {
    TAnchors anchors;
    int width, height;  // of the container, designed 400 x 300
    DesignRect expected;
  } kCases[] = {
      {kLeftTop, 500, 360, {10, 20, 100, 50}},
      {akLeft | akTop | akRight, 500, 360, {10, 20, 200, 50}},
      {akTop | akRight, 500, 360, {110, 20, 100, 50}},
      {akLeft | akTop | akBottom, 500, 360, {10, 20, 100, 110}},
      {akLeft | akBottom, 500, 360, {10, 80, 100, 50}},
      {akLeft | akTop | akRight | akBottom, 250, 200, {10, 20, 0, 0}},  // cut off, not inverted
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(AnchoredRect(design, c.anchors, 400, 300, c.width, c.height), c.expected)
        << c.anchors;
  }
}

// Both windows build from the table: every container comes before what it holds, names are
// unique, and the tab cycle names controls the table has.
TEST(MainFormLayout, TableIsConsistent) {
  std::set<std::string> made{"ClientArea"};
  for (const ControlDesign& control : kMainFormControls) {
    EXPECT_TRUE(made.contains(control.Parent)) << control.Name;
    EXPECT_TRUE(made.insert(control.Name).second) << control.Name;
    EXPECT_EQ(&MainFormControl(control.Name), &control);
  }
  std::set<std::string> tabbed;
  for (const char* name : kMainTabOrder) {
    EXPECT_NO_THROW(MainFormControl(name)) << name;
    EXPECT_TRUE(tabbed.insert(name).second) << name;
  }
  EXPECT_THROW(MainFormControl("nope"), std::out_of_range);
  EXPECT_EQ(MainFormControl("btn2").Caption, std::string("计算"));
}

// Every label names the control it stands for, beside it or right above it, and none other.
TEST(MainFormLayout, EachLabelNamesItsControl) {
  const std::map<std::string, std::string> expected = {
      {"lbl1", "cbb1"},     {"lbl2", "cbb2"},     {"lbl3", "edt1"},      {"lbl4", "edt2"},
      {"lbl5", "edt3"},     {"lbl6", "edt4"},     {"lbl7", "edt5"},      {"lbl12", "edt6"},
      {"lbl8", "strngrd1"}, {"lbl9", "strngrd2"}, {"lbl10", "strngrd3"}, {"lbl11", "cbb3"}};
  std::map<std::string, std::string> found;
  for (const ControlDesign& control : kMainFormControls) {
    if (control.Kind == ControlKind::Label) {
      found[control.Name] = std::string(LabelledControl(control));
    }
  }
  EXPECT_EQ(found, expected);
  EXPECT_EQ(LabelledControl(MainFormControl("btn2")), "");
}

}  // namespace
}  // namespace gb
