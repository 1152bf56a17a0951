// A value range of one chart axis and the rules the automatic ranges and the zoom follow.
#pragma once

#include "extended/Extended.h"

namespace gb {

// Minimum < Maximum always holds for what the chart hands out.
struct ChartRange {
  double Minimum = 0;
  double Maximum = 1;
  friend bool operator==(const ChartRange&, const ChartRange&) = default;
};

// Finite bounds in increasing order.
bool Usable(const ChartRange& r);

// Maximum - Minimum in extended precision, so that the widest ranges do not overflow.
Extended Width(const ChartRange& r);

// The automatic range of one axis: the bare extent, opened around the value when it is flat so
// that the scale never divides by zero; 0 to 1 for no data.
ChartRange SpanOf(double lo, double hi, bool empty);

// The range grown by a quarter about its centre, or `limit` once it would reach that width.
ChartRange Widen(const ChartRange& r, const ChartRange& limit);

}  // namespace gb
