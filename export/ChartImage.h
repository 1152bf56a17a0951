// The chart as a picture: PNG through QImage, SVG through Qt SVG, both drawn by ChartPlot::Draw.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>
#include <string_view>

#include "chart/ChartPlot.h"
#include "chart/ImageFormat.h"

namespace gb {

// Image pixels per chart pixel for an image of `pixels`: a large image draws the chart larger
// instead of spreading 8-point texts over a wide area. Never below 1; 2 at 1200 x 800.
double ChartScaleFor(QSize pixels);

// An image of `pixels`, the chart laid out at pixels / scale chart pixels.
QImage ChartImage(const ChartPlot& plot, QSize pixels, double scale);
QByteArray ChartPngBytes(const ChartPlot& plot, QSize pixels, double scale);
// Vector drawing with the view box (0, 0, pixels); texts stay texts.
QByteArray ChartSvgBytes(const ChartPlot& plot, QSize pixels, double scale);
// By format, at ChartScaleFor(pixels).
QByteArray ChartImageBytes(const ChartPlot& plot, QSize pixels, ChartImageFormat format);

}  // namespace gb
