#include "form/WindowCommands.h"

#include <algorithm>

namespace gb {

std::vector<FileFilterItem> ParseFileFilter(std::string_view filter) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t bar = filter.find('|', from);
    parts.push_back(filter.substr(from, bar == std::string_view::npos ? bar : bar - from));
    if (bar == std::string_view::npos) break;
    from = bar + 1;
  }
  std::vector<FileFilterItem> items;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    items.push_back({std::string(parts[i]), std::string(parts[i + 1])});
  }
  return items;
}

std::string FilterCaption(const FileFilterItem& item) {
  std::string patterns = item.Patterns;
  std::replace(patterns.begin(), patterns.end(), ';', ' ');
  const std::string shown = "(" + patterns + ")";
  if (item.Text.ends_with(shown)) return item.Text;
  return item.Text + " " + shown;
}

std::string FilterExtension(const FileFilterItem& item) {
  const std::string first = item.Patterns.substr(0, item.Patterns.find(';'));
  const std::size_t dot = first.rfind("*.");
  return dot == std::string::npos ? std::string() : first.substr(dot + 2);
}

ChartSize ChartImagePixels(ChartSize onScreen) {
  return {std::max(onScreen.width, kChartDesignSize.width) * kChartImageScale,
          std::max(onScreen.height, kChartDesignSize.height) * kChartImageScale};
}

ChartPoint OwnerCentredPosition(const ScreenRect& owner, ChartSize box, const ScreenRect& desktop) {
  const int left = owner.Left + (owner.Width - box.width) / 2;
  const int top = owner.Top + (owner.Height - box.height) / 2;
  return {std::max(left, desktop.Left), std::max(top, desktop.Top)};
}

bool ProgressPacing::Due(long long elapsedMs) {
  if (elapsedMs < kShowAfterMs || elapsedMs - last_ < kRefreshMs) return false;
  last_ = elapsedMs;
  return true;
}

}  // namespace gb
