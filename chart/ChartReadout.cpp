#include "chart/ChartReadout.h"

#include <algorithm>
#include <array>

namespace gb {

namespace {

constexpr ChartColour kMarker{64, 64, 64};
constexpr ChartColour kFrame{128, 128, 128};
constexpr ChartColour kBoxFill{255, 255, 255, 230};  // grid and curves stay faintly visible

constexpr int kInset = 4;            // between the plot's edge and the box
constexpr int kMarkerClearance = 8;  // between the marker and the box beside it
constexpr int kPad = 4;              // between the box's frame and its texts
constexpr int kValueGap = 8;         // at least between a label and its value

// Line 0 is the period, in the plain face; the curves' lines are bold like the legend.
ChartFont FontOf(std::size_t line) { return line == 0 ? ChartFont::Plain : ChartFont::Bold; }

int LineHeight(const ChartFonts& fonts) {
  return std::max(fonts.Measure(ChartFont::Plain).LineHeight(),
                  fonts.Measure(ChartFont::Bold).LineHeight());
}

ChartSize BoxSize(const ChartFonts& fonts, const ChartReadout& readout) {
  int width = 0;
  for (std::size_t i = 0; i < readout.lines.size(); ++i) {
    const ChartReadoutLine& line = readout.lines[i];
    const TextMeasure& text = fonts.Measure(FontOf(i));
    int w = text.Width(line.label);
    if (!line.value.empty()) w += kValueGap + text.Width(line.value);
    width = std::max(width, w);
  }
  const int lines = static_cast<int>(readout.lines.size());
  return {width + 2 * kPad, lines * LineHeight(fonts) + 2 * kPad};
}

long long SquaredDistance(ChartPoint a, ChartPoint b) {
  const long long dx = a.x - b.x, dy = a.y - b.y;
  return dx * dx + dy * dy;
}

// The far side from the pointer first, then the near side; on each side the corner the legend
// usually leaves free (bottom on the right, top on the left) first.
std::array<ChartRect, 4> CornersByPreference(const ChartRect& plot, ChartSize box, int markerX) {
  const int left = plot.x + kInset;
  const int right = plot.x + plot.width - kInset - box.width;
  const int top = plot.y + kInset;
  const int bottom = plot.y + plot.height - kInset - box.height;
  const ChartRect topLeft({left, top}, box), topRight({right, top}, box);
  const ChartRect bottomLeft({left, bottom}, box), bottomRight({right, bottom}, box);
  const bool pointerLeft = markerX < plot.x + plot.width / 2;
  return pointerLeft ? std::array<ChartRect, 4>{bottomRight, topRight, topLeft, bottomLeft}
                     : std::array<ChartRect, 4>{topLeft, bottomLeft, bottomRight, topRight};
}

}  // namespace

ChartRect PlaceReadoutBox(const ChartRect& plot, const ChartRect& legend, ChartSize box,
                          int markerX) {
  const std::array<ChartRect, 4> corners = CornersByPreference(plot, box, markerX);
  const ChartRect inner = plot.Adjusted(kInset, kInset, -kInset + 1, -kInset + 1);
  auto free = [&](const ChartRect& r) { return inner.Contains(r) && !r.Intersects(legend); };
  // Clear by a margin where there is room for one: a box just beside the marker hides what the
  // eye follows along the curve.
  auto clearOfMarker = [&](const ChartRect& r, int margin) {
    return markerX < r.Left() - margin || markerX > r.Right() + margin;
  };
  // A corner the legend reaches into (a short plot) gives way sideways along its edge, towards
  // the middle of the plot and out of the legend's columns.
  auto besideLegend = [&](const ChartRect& r) {
    return r.Center().x > plot.Center().x ? r.MovedRightTo(legend.Left() - kInset - 1)
                                          : r.MovedLeftTo(legend.Right() + kInset + 1);
  };
  // The far side first, whole corners before those that gave way, then the near side likewise:
  // a box on the pointer's own side sits over the very curves being read.
  std::vector<ChartRect> candidates;
  for (const std::size_t side : {std::size_t{0}, std::size_t{2}}) {
    for (std::size_t i = side; i < side + 2; ++i) candidates.push_back(corners[i]);
    for (std::size_t i = side; i < side + 2; ++i) {
      if (corners[i].Intersects(legend)) candidates.push_back(besideLegend(corners[i]));
    }
  }
  const ChartRect* usable = nullptr;
  for (const int margin : {kMarkerClearance, 0}) {
    for (const ChartRect& candidate : candidates) {
      if (!free(candidate)) continue;
      if (clearOfMarker(candidate, margin)) return candidate;
      if (usable == nullptr) usable = &candidate;
    }
  }
  if (usable != nullptr) return *usable;  // covering the marker rather than the legend
  const ChartRect* farthest = &corners[0];
  long long best = -1;
  for (const ChartRect& corner : corners) {
    const long long d = SquaredDistance(corner.Center(), legend.Center());
    if (d > best) {
      best = d;
      farthest = &corner;
    }
  }
  return *farthest;
}

ChartRect ChartReadoutBox(const ChartFonts& fonts, const ChartRect& plot, const ChartRect& legend,
                          const ChartReadout& readout) {
  return PlaceReadoutBox(plot, legend, BoxSize(fonts, readout), readout.markerX);
}

void DrawChartReadout(DisplayList& list, const ChartFonts& fonts, const ChartRect& plot,
                      const ChartRect& legend, const ChartReadout& readout) {
  const ChartRect box = ChartReadoutBox(fonts, plot, legend, readout);
  list.push_back(ClipCommand{plot.Adjusted(0, 0, 1, 1)});
  list.push_back(LineCommand{
      {kMarker, 1, true}, {readout.markerX, plot.y}, {readout.markerX, plot.y + plot.height}});
  list.push_back(RectCommand{{kFrame}, box.Adjusted(0, 0, -1, -1), true, kBoxFill});
  const int lineHeight = LineHeight(fonts);
  const int textLeft = box.x + kPad;
  const int textRight = box.x + box.width - kPad;
  for (std::size_t i = 0; i < readout.lines.size(); ++i) {
    const ChartReadoutLine& line = readout.lines[i];
    const ChartRect row(textLeft, box.y + kPad + static_cast<int>(i) * lineHeight,
                        textRight - textLeft, lineHeight);
    list.push_back(LevelText(row, FontOf(i), line.colour, TextAlign::Left, line.label));
    if (!line.value.empty()) {
      list.push_back(LevelText(row, FontOf(i), line.colour, TextAlign::Right, line.value));
    }
  }
  list.push_back(ClipCommand{{}, true});
}

}  // namespace gb
