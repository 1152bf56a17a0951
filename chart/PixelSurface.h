// 32-bit pixels a drawing step may write straight into, as a painter's buffer holds them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gb {

// 0x00RRGGBB pixels; a row is `stride` pixels after the one above it (negative for rows stored
// bottom up).
struct PixelSurface {
  std::uint32_t* pixels = nullptr;  // row 0
  int width = 0, height = 0;
  std::ptrdiff_t stride = 0;
};

}  // namespace gb
