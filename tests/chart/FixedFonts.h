// A chart surface with fixed-width faces, so that layouts come out the same on every machine.
#pragma once

#include <string_view>

#include "chart/ChartView.h"

namespace gb::test {

class FixedMeasure : public TextMeasure {
 public:
  FixedMeasure(int advance, int line) : advance_(advance), line_(line) {}
  int Width(std::string_view utf8) const override {
    int glyphs = 0;
    for (const char c : utf8) glyphs += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return glyphs * advance_;
  }
  int LineHeight() const override { return line_; }

 private:
  int advance_, line_;
};

class FixedSurface : public ChartSurface, public ChartFonts {
 public:
  ChartSize size{448, 198};
  ChartSize Size() const override { return size; }
  const ChartFonts& Fonts() const override { return *this; }
  const TextMeasure& Measure(ChartFont font) const override {
    return font == ChartFont::Bold ? bold_ : plain_;
  }

 private:
  FixedMeasure plain_{6, 13};
  FixedMeasure bold_{7, 13};
};

}  // namespace gb::test
