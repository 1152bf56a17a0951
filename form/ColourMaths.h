// Colours as the system colour dialog reckons them: hue, lightness and saturation on a 0..240
// scale, in integer arithmetic with its rounding, so that a lightness step means what it means
// there. The status bar's gradient and separators are drawn from the button colour this way.
#pragma once

namespace gb {

struct Rgb {
  int Red = 0, Green = 0, Blue = 0;  // 0..255
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct THls {
  int Hue = 0;
  int Lightness = 0;
  int Saturation = 0;
};

THls RgbToHls(Rgb colour);
Rgb HlsToRgb(THls hls);

// `colour` with its lightness moved by `delta` and kept within 0..240; hue and saturation stay.
Rgb AdjustLightness(Rgb colour, int delta);

// The status bar's colours from the system's button colour: the gradient's top, and the
// separators and grip shadows.
inline Rgb StatusGradientTop(Rgb button) { return AdjustLightness(button, -20); }
inline Rgb StatusSeparator(Rgb button) { return AdjustLightness(button, -40); }

}  // namespace gb
