// The read-out of the chart on screen: a thin vertical marker at the pointer's period and a small
// box with the period and one line per shown curve. Drawn over the chart only by the window's
// chart view, never by the images or the sheet.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;
class QPaintDevice;

namespace gb {

// One line of the box: `label` at the left, `value` (may be empty) at the right, both in `color`.
struct ChartReadoutLine {
  QString label;
  QString value;
  QColor color;
  // The line as one text, label and value one blank apart.
  QString Text() const { return value.isEmpty() ? label : label + QLatin1Char(' ') + value; }
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
QRect PlaceReadoutBox(const QRect& plot, const QRect& legend, QSize box, int markerX);

// Draws marker and box over a chart already drawn with `plot` and `legend` where they are.
// Returns the box drawn.
QRect DrawChartReadout(QPainter& painter, const QRect& plot, const QRect& legend,
                       const ChartReadout& readout);

// The box `readout` needs on `device`, placed as DrawChartReadout places it there.
QRect ChartReadoutBox(const QPaintDevice& device, const QRect& plot, const QRect& legend,
                      const ChartReadout& readout);

}  // namespace gb
