#include "export/ChartImage.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <cctype>

namespace gb {

std::optional<ChartImageFormat> ChartImageFormatOf(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  const std::size_t slash = fileName.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return std::nullopt;
  }
  std::string extension(fileName.substr(dot + 1));
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == "png") return ChartImageFormat::Png;
  if (extension == "svg") return ChartImageFormat::Svg;
  return std::nullopt;
}

QImage ChartImage(const ChartPlot& plot, QSize size, int scale) {
  QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter painter(&image);
  plot.Draw(painter, size, kChartDpi);
  painter.end();
  return image;
}

QByteArray ChartPngBytes(const ChartPlot& plot, QSize size, int scale) {
  // The chart is opaque: RGB keeps the file smaller than an unused alpha channel would.
  const QImage image = ChartImage(plot, size, scale).convertToFormat(QImage::Format_RGB32);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray ChartSvgBytes(const ChartPlot& plot, QSize size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  // One user unit per chart pixel; the generator's own default of 72 would shrink the texts.
  svg.setResolution(kChartDpi);
  svg.setTitle(QStringLiteral("Sa (g) - T (s)"));
  QPainter painter(&svg);
  plot.Draw(painter, size, kChartDpi);
  painter.end();
  return bytes;
}

QByteArray ChartImageBytes(const ChartPlot& plot, QSize size, ChartImageFormat format) {
  return format == ChartImageFormat::Svg ? ChartSvgBytes(plot, size) : ChartPngBytes(plot, size);
}

}  // namespace gb
