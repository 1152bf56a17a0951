#include "form/ColourMaths.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

// Lightness on the 0..240 scale of the system colour dialog: light grey 240 is 226 there.
TEST(ColourMaths, LightnessSteps) {
  const struct {
    Rgb colour;
    int delta;
    Rgb expected;
  } kCases[] = {
      {{240, 240, 240}, -20, {218, 218, 218}},  // the status bar's gradient top
      {{240, 240, 240}, -40, {197, 197, 197}},  // its separators
      {{255, 0, 0}, -20, {213, 0, 0}},          // a colour keeps its hue
      {{8, 8, 8}, -20, {0, 0, 0}},
      {{250, 250, 250}, 40, {255, 255, 255}},
  };
  for (const auto& c : kCases) {
    const Rgb adjusted = AdjustLightness(c.colour, c.delta);
    EXPECT_EQ(adjusted, c.expected)
        << adjusted.Red << ' ' << adjusted.Green << ' ' << adjusted.Blue;
  }
  EXPECT_EQ(StatusGradientTop({240, 240, 240}), (Rgb{218, 218, 218}));
  EXPECT_EQ(StatusSeparator({240, 240, 240}), (Rgb{197, 197, 197}));
}

// The dialog's own scale: greys have hue 160, primaries their sixths.
TEST(ColourMaths, HlsOfKnownColours) {
  const struct {
    Rgb colour;
    int hue, lightness, saturation;
  } kCases[] = {
      {{127, 127, 127}, 160, 120, 0},  // 128 comes back as 127: greys truncate, as there
      {{255, 0, 0}, 0, 120, 240},     {{0, 255, 0}, 80, 120, 240},
      {{0, 0, 255}, 160, 120, 240},   {{255, 255, 255}, 160, 240, 0},
  };
  for (const auto& c : kCases) {
    const THls hls = RgbToHls(c.colour);
    EXPECT_EQ(hls.Hue, c.hue);
    EXPECT_EQ(hls.Lightness, c.lightness);
    EXPECT_EQ(hls.Saturation, c.saturation);
    EXPECT_EQ(HlsToRgb(hls), c.colour);
  }
}

}  // namespace
}  // namespace gb
