// Which image a chart file is written as.
#pragma once

#include <optional>
#include <string_view>

namespace gb {

enum class ChartImageFormat { Png, Svg };

// The format a file's name asks for by its extension, in any case (".png", ".SVG"); none for
// another extension, for none, and for a name that is an extension only (".png", a hidden file).
// Only the name's last component counts: a dot in a folder's name is no extension.
std::optional<ChartImageFormat> ChartImageFormatOf(std::string_view fileName);

}  // namespace gb
