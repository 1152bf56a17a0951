#include "form/StatusBarPanes.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(StatusBarPanes, CaptionsAndPacking) {
  EXPECT_EQ(StatusPaneCaption("rzfldsts1"), "  Welcome to my Website :");
  EXPECT_EQ(StatusPaneCaption("rzfldsts2"), " www.example.org");
  EXPECT_EQ(StatusPaneCaption("rzfldsts3"), "  Varnelo  ");
  EXPECT_EQ(StatusPaneCaption("nope"), "");
  // The designed panes: the name's pane first, then the welcome, then the link.
  std::vector<PaneSpan> designed;
  for (const StatusPaneDesign& pane : kStatusPanes) designed.push_back({pane.Left, pane.Width});
  EXPECT_EQ(PackStatusPanes(designed), (std::vector<int>{58, 223, 0}));
  // Gaps close up, ties keep their order.
  EXPECT_EQ(PackStatusPanes({{100, 10}, {0, 20}, {100, 30}, {500, 5}}),
            (std::vector<int>{20, 0, 30, 60}));
}

}  // namespace
}  // namespace gb
