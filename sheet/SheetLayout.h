// The calculation sheet as a page: every text, cell, rule and the chart's place in millimetres,
// laid out by measured text so that the whole fits one A4 page. A painter (Qt's PDF writer and
// printer now, the Windows printer later) only carries the items out.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sheet/CalculationSheet.h"

namespace gb {

// The sheet's page: A4 portrait and its margins, in millimetres.
inline constexpr double kSheetPageWidth = 210, kSheetPageHeight = 297;
inline constexpr double kSheetMarginLeft = 20, kSheetMarginRight = 20;
inline constexpr double kSheetMarginTop = 15, kSheetMarginBottom = 20;

// A size of the sheet's face: Tahoma's letters and digits with a Simplified Chinese face for the
// Chinese texts.
struct SheetFont {
  double points = 8;
  bool bold = false;
  friend bool operator==(const SheetFont&, const SheetFont&) = default;
};

enum class SheetFlow { OneLine, WordWrap, WrapAnywhere };
enum class SheetAlign { Left, Centre, Right };

// How big the sheet's text comes out on the device it is drawn on, in millimetres.
class SheetMeasure {
 public:
  virtual ~SheetMeasure() = default;
  virtual double WidthMm(const SheetFont& font, std::string_view utf8) const = 0;
  virtual double LineMm(const SheetFont& font) const = 0;
  // The height of `utf8` flowed into `widthMm`; one line's for an empty text.
  virtual double HeightMm(const SheetFont& font, double widthMm, std::string_view utf8,
                          SheetFlow flow) const = 0;
};

struct SheetRect {
  double x = 0, y = 0, width = 0, height = 0;
};

// Black text in its rectangle: at the top or, in table cells, centred vertically; clipped to the
// rectangle except in table cells, whose numbers never lose a digit.
struct SheetText {
  SheetRect rect;
  SheetFont font;
  SheetAlign align = SheetAlign::Left;
  SheetFlow flow = SheetFlow::WordWrap;
  bool cell = false;
  std::string utf8;
};

// A rule; grey ones separate, black ones are lines to sign on.
struct SheetLine {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  double widthMm = 0.15;
  bool black = false;
};

// A table cell's frame (a thin grey rule), its header fill light grey.
struct SheetCell {
  SheetRect rect;
  bool header = false;
};

// Where the sheet's spectrum chart goes.
struct SheetChart {
  SheetRect rect;
};

using SheetItem = std::variant<SheetText, SheetLine, SheetCell, SheetChart>;

struct SheetPage {
  // The body in the text area's millimetres from its top left corner, drawn at `scale`.
  std::vector<SheetItem> body;
  double scale = 1;
  // Below the text area, unscaled, from the same corner.
  std::vector<SheetItem> footer;
};

// The sheet laid out on a text area of the given size: first the chart gets lower, then, where
// that is not enough, everything is drawn smaller (and laid out wider in proportion, so it still
// spans the page). Numbers never wrap inside their cells: a table whose texts are too wide gets
// a smaller type.
SheetPage LayOutSheet(const CalculationSheet& sheet, const SheetMeasure& measure, double widthMm,
                      double heightMm);

}  // namespace gb
