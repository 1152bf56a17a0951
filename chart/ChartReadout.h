// The read-out of the chart on screen: a thin vertical marker at the pointer's period and a small
// box with the period and one line per shown curve. Drawn over the chart only by the window's
// chart view, never by the images or the sheet.
#pragma once

#include <string>
#include <vector>

#include "chart/ChartFonts.h"
#include "chart/ChartGeometry.h"
#include "chart/DisplayList.h"

namespace gb {

// One line of the box: `label` at the left, `value` (may be empty) at the right, both in
// `colour`; UTF-8.
struct ChartReadoutLine {
  std::string label;
  std::string value;
  ChartColour colour;
  // The line as one text, label and value one blank apart.
  std::string Text() const { return value.empty() ? label : label + ' ' + value; }
};

struct ChartReadout {
  int markerX = 0;  // chart pixels, inside the plot rectangle
  std::vector<ChartReadoutLine> lines;
};

// The box's place inside `plot`: a corner clear of the legend, on the other side of the plot
// from the marker, so that neither the legend nor the point being read is covered. With the
// legend at the top right that is the bottom right while the pointer is in the left half and
// the top left while it is in the right half. A corner the legend reaches into (a short plot)
// gives way along its edge to beside the legend; the far side's places all come before the near
// side's, and a place a few pixels clear of the marker before one merely not covering it. Where
// nothing clears both legend and marker, the legend is kept clear; where nothing clears the
// legend, the corner farthest from it.
ChartRect PlaceReadoutBox(const ChartRect& plot, const ChartRect& legend, ChartSize box,
                          int markerX);

// The box `readout` needs with these fonts, placed as DrawChartReadout places it.
ChartRect ChartReadoutBox(const ChartFonts& fonts, const ChartRect& plot, const ChartRect& legend,
                          const ChartReadout& readout);

// Appends marker and box over a chart drawn with `plot` and `legend` where they are.
void DrawChartReadout(DisplayList& list, const ChartFonts& fonts, const ChartRect& plot,
                      const ChartRect& legend, const ChartReadout& readout);

}  // namespace gb
