// The status bar's panes as designed: names, places, type and borders, and their captions; and the
// rule that packs them from the bar's left edge.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gb {

struct StatusPaneDesign {
  const char* Name;
  int Left, Width;     // designed, 96-dpi pixels; the bar orders its panes by Left
  const char* Family;  // 8 pt, bold
  int BorderWidth;
};

// In the order they are made.
inline constexpr StatusPaneDesign kStatusPanes[] = {
    {"rzfldsts1", 58, 165, "MS Sans Serif", 1},
    {"rzfldsts2", 223, 114, "MS Sans Serif", 3},  // the web link
    {"rzfldsts3", 0, 58, "Tahoma", 1},
};

// The caption of the pane named `name` (UTF-8); empty for a name the table does not hold.
std::string StatusPaneCaption(std::string_view name);

struct PaneSpan {
  int DesignLeft, Width;
};

// Where each pane goes: packed from the bar's left edge in the order of their designed left
// edges (ties keep the given order), each keeping its width. The lefts, in the given order.
std::vector<int> PackStatusPanes(const std::vector<PaneSpan>& panes);

}  // namespace gb
