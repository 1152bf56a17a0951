// What a chart looks like, as a list of drawing commands in chart pixels that any painter can
// carry out in order: the Qt window and exports draw it with QPainter, the Windows window with
// GDI. Nothing here measures or decides; every place was worked out by the charting engine.
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "chart/ChartGeometry.h"

namespace gb {

// The chart's two faces: the axis texts and the read-out's period in the plain one, the legend
// and the read-out's curve lines in the bold one (both Verdana 8 pt at the font resolution).
enum class ChartFont { Plain, Bold };

struct ChartPen {
  ChartColour colour;
  int width = 1;
  bool dashed = false;
  bool flatCap = false;  // ends cut at the points; otherwise squared off past them
  // One device pixel wide wherever the chart is not scaled (grid and curves); on a scaled page
  // or image it keeps its share of the chart like every other line.
  bool hairline = false;
};

struct LineCommand {
  ChartPen pen;
  ChartPoint from, to;
};

struct ChartPointF {
  double x = 0, y = 0;
};

struct PolylineCommand {
  ChartPen pen;
  std::vector<ChartPointF> points;
};

// An outline through the rectangle's pixel edges as a painter's "draw rectangle" strokes it,
// optionally filled.
struct RectCommand {
  ChartPen pen;
  ChartRect rect;
  bool filled = false;
  ChartColour fill;
};

struct GradientStop {
  double at;  // 0 at fromY, 1 at toY
  ChartColour colour;
};

// `rect` filled with a vertical gradient from fromY down to toY.
struct GradientCommand {
  ChartRect rect;
  int fromY = 0, toY = 0;
  std::vector<GradientStop> stops;
};

enum class TextAlign { Left, Centre, Right };

// One line of text centred vertically in `rect` and aligned in it as asked, never clipped. An
// upright text (rising) is drawn turned a quarter anticlockwise about `origin`, with `rect` in
// the turned coordinates.
struct TextCommand {
  ChartRect rect;
  ChartFont font = ChartFont::Plain;
  ChartColour colour;
  TextAlign align = TextAlign::Centre;
  std::string utf8;
  bool rising = false;
  ChartPoint origin;
};

// A level text, and an unfilled outline.
inline TextCommand LevelText(ChartRect rect, ChartFont font, ChartColour colour, TextAlign align,
                             std::string utf8) {
  return {rect, font, colour, align, std::move(utf8), false, {}};
}
inline RectCommand Outline(ChartPen pen, ChartRect rect) { return {pen, rect, false, {}}; }

// Commands after it draw only inside `rect`, until a command with `none` lifts the clip; the two
// come in pairs.
struct ClipCommand {
  ChartRect rect;
  bool none = false;
};

using ChartCommand = std::variant<GradientCommand, LineCommand, PolylineCommand, RectCommand,
                                  TextCommand, ClipCommand>;
using DisplayList = std::vector<ChartCommand>;

}  // namespace gb
