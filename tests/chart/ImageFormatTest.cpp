#include "chart/ImageFormat.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(ChartImageFormat, FollowsTheExtension) {
  const struct {
    const char* name;
    std::optional<ChartImageFormat> format;
  } kCases[] = {
      {"c.png", ChartImageFormat::Png},
      {"C.PNG", ChartImageFormat::Png},
      {"dir/c.Svg", ChartImageFormat::Svg},
      {"c.svg.png", ChartImageFormat::Png},
      {"c.jpg", std::nullopt},
      {"png", std::nullopt},
      {"c.", std::nullopt},
      {"a.svg/c", std::nullopt},
      {"c.pngx", std::nullopt},
      {".png", std::nullopt},     // a hidden file's name, no extension
      {"d.png/c", std::nullopt},  // a dot of a folder's name
      {"d/x.SVG", ChartImageFormat::Svg},
  };
  for (const auto& c : kCases) EXPECT_EQ(ChartImageFormatOf(c.name), c.format) << c.name;
}

}  // namespace
}  // namespace gb
