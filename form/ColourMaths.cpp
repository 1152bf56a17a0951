#include "form/ColourMaths.h"

#include <algorithm>

namespace gb {

namespace {

constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;
// The hue a grey gets; it has none, and this one keeps a grey grey when converted back.
constexpr int kUndefinedHue = kHlsMax * 2 / 3;

// One channel from the two magic values and a hue, rounded like the rest.
int HueToChannel(int n1, int n2, int hue) {
  if (hue < 0) hue += kHlsMax;
  if (hue > kHlsMax) hue -= kHlsMax;
  if (hue < kHlsMax / 6) return n1 + ((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6);
  if (hue < kHlsMax / 2) return n2;
  if (hue < kHlsMax * 2 / 3) {
    return n1 + ((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
  }
  return n1;
}

}  // namespace

THls RgbToHls(Rgb colour) {
  const int r = colour.Red;
  const int g = colour.Green;
  const int b = colour.Blue;
  const int cMax = std::max({r, g, b});
  const int cMin = std::min({r, g, b});
  THls hls;
  hls.Lightness = ((cMax + cMin) * kHlsMax + kRgbMax) / (2 * kRgbMax);
  if (cMax == cMin) {
    hls.Saturation = 0;
    hls.Hue = kUndefinedHue;
    return hls;
  }
  const int spread = cMax - cMin;
  if (hls.Lightness <= kHlsMax / 2) {
    hls.Saturation = (spread * kHlsMax + (cMax + cMin) / 2) / (cMax + cMin);
  } else {
    const int rest = 2 * kRgbMax - cMax - cMin;
    hls.Saturation = (spread * kHlsMax + rest / 2) / rest;
  }
  const auto delta = [&](int channel) {
    return ((cMax - channel) * (kHlsMax / 6) + spread / 2) / spread;
  };
  if (r == cMax) {
    hls.Hue = delta(b) - delta(g);
  } else if (g == cMax) {
    hls.Hue = kHlsMax / 3 + delta(r) - delta(b);
  } else {
    hls.Hue = kHlsMax * 2 / 3 + delta(g) - delta(r);
  }
  if (hls.Hue < 0) hls.Hue += kHlsMax;
  if (hls.Hue > kHlsMax) hls.Hue -= kHlsMax;
  return hls;
}

Rgb HlsToRgb(THls hls) {
  const int l = hls.Lightness;
  const int s = hls.Saturation;
  if (s == 0) {
    const int grey = l * kRgbMax / kHlsMax;
    return {grey, grey, grey};
  }
  const int magic2 = l <= kHlsMax / 2 ? (l * (kHlsMax + s) + kHlsMax / 2) / kHlsMax
                                      : l + s - (l * s + kHlsMax / 2) / kHlsMax;
  const int magic1 = 2 * l - magic2;
  const auto channel = [&](int hue) {
    const int value = (HueToChannel(magic1, magic2, hue) * kRgbMax + kHlsMax / 2) / kHlsMax;
    return std::clamp(value, 0, kRgbMax);
  };
  return {channel(hls.Hue + kHlsMax / 3), channel(hls.Hue), channel(hls.Hue - kHlsMax / 3)};
}

Rgb AdjustLightness(Rgb colour, int delta) {
  THls hls = RgbToHls(colour);
  hls.Lightness = std::clamp(hls.Lightness + delta, 0, kHlsMax);
  return HlsToRgb(hls);
}

}  // namespace gb
