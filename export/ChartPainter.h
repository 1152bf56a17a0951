// Qt's side of the charting engine: its two faces as QFonts measured on a paint device, and a
// QPainter carrying out a display list. The window's chart view, the images and the sheet all
// draw through here.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QSize>

#include "chart/ChartFonts.h"
#include "chart/ChartPlot.h"
#include "chart/DisplayList.h"

class QPainter;
class QPaintDevice;

namespace gb {

// Text measured with a Qt font on a device.
class QtTextMeasure : public TextMeasure {
 public:
  explicit QtTextMeasure(const QFontMetrics& fm) : fm_(fm) {}
  int Width(std::string_view utf8) const override;
  int LineHeight() const override { return fm_.height(); }

 private:
  QFontMetrics fm_;
};

// Verdana 8 pt and its bold, sized so that their points are `fontDpi` pixels per inch on
// `device`.
class QtChartFonts : public ChartFonts {
 public:
  QtChartFonts(const QPaintDevice& device, int fontDpi);
  const TextMeasure& Measure(ChartFont font) const override;
  const QFont& Font(ChartFont font) const { return font == ChartFont::Bold ? bold_ : plain_; }

 private:
  QFont plain_;
  QFont bold_;
  QtTextMeasure plainMeasure_;
  QtTextMeasure boldMeasure_;
};

QSize ToQSize(ChartSize size);
ChartSize ToChartSize(QSize size);

// Carries out `list` on the painter, in its current coordinates.
void PaintDisplayList(QPainter& painter, const DisplayList& list, const QtChartFonts& fonts);

// The whole chart drawn into (0, 0, size) of the painter's coordinates, in chart pixels; the
// painter's transform may scale them to the device.
void PaintChart(QPainter& painter, const ChartPlot& plot, QSize size, int fontDpi);

}  // namespace gb
