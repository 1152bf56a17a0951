// The chart as a picture: PNG through QImage, SVG through Qt SVG, both drawn by ChartPlot::Draw.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>
#include <string_view>

#include "export/ChartPlot.h"

namespace gb {

enum class ChartImageFormat { Png, Svg };

// By the file name's extension, ".png" or ".svg" in any letter case; nothing for any other.
std::optional<ChartImageFormat> ChartImageFormatOf(std::string_view fileName);

// The chart laid out at `size` chart pixels, rendered at `scale` image pixels per chart pixel.
QImage ChartImage(const ChartPlot& plot, QSize size, int scale = 1);
QByteArray ChartPngBytes(const ChartPlot& plot, QSize size, int scale = 1);
// Vector drawing with the view box (0, 0, size); texts stay texts.
QByteArray ChartSvgBytes(const ChartPlot& plot, QSize size);
QByteArray ChartImageBytes(const ChartPlot& plot, QSize size, ChartImageFormat format);

}  // namespace gb
