#include "chart/ImageFormat.h"

#include <filesystem>
#include <string>

namespace gb {

std::optional<ChartImageFormat> ChartImageFormatOf(std::string_view fileName) {
  std::string extension = std::filesystem::path(fileName).extension().string();
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (extension == ".png") return ChartImageFormat::Png;
  if (extension == ".svg") return ChartImageFormat::Svg;
  return std::nullopt;
}

}  // namespace gb
