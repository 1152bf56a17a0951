// The chart's two faces as the place it is drawn renders them; each front end measures with its
// own fonts, so that layouts fit the text that will actually be drawn.
#pragma once

#include "chart/AxisScale.h"
#include "chart/DisplayList.h"

namespace gb {

class ChartFonts {
 public:
  virtual ~ChartFonts() = default;
  virtual const TextMeasure& Measure(ChartFont font) const = 0;
};

}  // namespace gb
