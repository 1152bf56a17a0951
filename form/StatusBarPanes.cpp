#include "form/StatusBarPanes.h"

#include <algorithm>
#include <numeric>

#include "report/Author.h"

namespace gb {

std::string StatusPaneCaption(std::string_view name) {
  if (name == "rzfldsts1") return "  Welcome to my Website :";
  if (name == "rzfldsts2") return std::string(" ").append(AuthorWebAddress);
  if (name == "rzfldsts3") return std::string("  ").append(AuthorName).append("  ");
  return {};
}

std::vector<int> PackStatusPanes(const std::vector<PaneSpan>& panes) {
  std::vector<std::size_t> order(panes.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return panes[a].DesignLeft < panes[b].DesignLeft;
  });
  std::vector<int> lefts(panes.size());
  int left = 0;
  for (const std::size_t i : order) {
    lefts[i] = left;
    left += panes[i].Width;
  }
  return lefts;
}

}  // namespace gb
