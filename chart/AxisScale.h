// One axis as drawn: the tick values inside its range and their labels, found for the room the
// axis has and the size of its text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartRange.h"

namespace gb {

// How big text comes out where the chart is drawn, in chart pixels; each front end measures with
// its own fonts.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int Width(std::string_view utf8) const = 0;
  virtual int LineHeight() const = 0;
};

struct AxisScale {
  ChartRange range;
  std::vector<double> ticks;
  std::vector<std::string> labels;  // UTF-8, one per tick
};

inline constexpr int kAxisTickLength = 4;
inline constexpr int kAxisPad = 4;
inline constexpr int kBottomLabelGap = 8;  // free pixels at least between neighbouring labels

// Multiples of mantissa x 10^exponent inside the range, each computed from its integer multiple
// in one division or multiplication (the double nearest to the decimal tick, never an
// accumulation of binary steps). Empty when the step is too fine to enumerate.
std::vector<double> TickValues(const ChartRange& r, int mantissa, int exponent);

// The finest 1-2-5 step whose labels fit along an axis of `plotLength` pixels, never finer than
// the last of `decimals` a label can show (finer steps would repeat label texts). Labels are
// grouped decimals with at most `decimals` decimals.
AxisScale MakeAxisScale(const ChartRange& range, int decimals, int plotLength,
                        const TextMeasure& measure, bool horizontal);

// Whether the axis still tells the reader where the view is: two labelled values at least, no
// two of them with the same text.
bool Labelled(const AxisScale& scale);

}  // namespace gb
