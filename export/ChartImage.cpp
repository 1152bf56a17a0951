#include "export/ChartImage.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <cmath>
#include "export/ChartPainter.h"

namespace gb {

namespace {

// Rounded up, so that the drawing covers the last row and column of image pixels.
QSize ChartSizeOf(QSize pixels, double scale) {
  return {static_cast<int>(std::ceil(pixels.width() / scale)),
          static_cast<int>(std::ceil(pixels.height() / scale))};
}

// The chart's texts look right from about 600 x 400 chart pixels up.
constexpr double kDesignWidth = 600, kDesignHeight = 400;

}  // namespace

double ChartScaleFor(QSize pixels) {
  return std::max(1.0, std::min(pixels.width() / kDesignWidth, pixels.height() / kDesignHeight));
}

QImage ChartImage(const ChartPlot& plot, QSize pixels, double scale) {
  QImage image(pixels, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  PaintChart(painter, plot, ChartSizeOf(pixels, scale), kChartDpi);
  painter.end();
  return image;
}

QByteArray ChartPngBytes(const ChartPlot& plot, QSize pixels, double scale) {
  QImage image = ChartImage(plot, pixels, scale);
  image.setDevicePixelRatio(1);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray ChartSvgBytes(const ChartPlot& plot, QSize pixels, double scale) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(pixels);
  svg.setViewBox(QRect(QPoint(0, 0), pixels));
  // One user unit per image pixel; the generator's own default of 72 would shrink the texts.
  svg.setResolution(kChartDpi);
  svg.setTitle(QStringLiteral("Sa (g) - T (s)"));
  QPainter painter(&svg);
  painter.setClipRect(QRect(QPoint(0, 0), pixels));
  painter.scale(scale, scale);
  PaintChart(painter, plot, ChartSizeOf(pixels, scale), kChartDpi);
  painter.end();
  return bytes;
}

QByteArray ChartImageBytes(const ChartPlot& plot, QSize pixels, ChartImageFormat format) {
  const double scale = ChartScaleFor(pixels);
  return format == ChartImageFormat::Svg ? ChartSvgBytes(plot, pixels, scale)
                                         : ChartPngBytes(plot, pixels, scale);
}

}  // namespace gb
