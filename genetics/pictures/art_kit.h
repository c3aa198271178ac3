#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "genetics/pictures/picture_input.h"

namespace crossmere {

// A point of an organism drawing, in picture pixels.
struct ArtPoint {
  double x = 0;
  double y = 0;
};

// A character's value, kept to 1..3 whatever the input says.
inline std::int32_t CharacterValue(const PictureInput& input, std::int32_t character) {
  return std::clamp(input.values[character], 1, 3);
}

// A 16-bit palette colour as 0xRRGGBB.
inline std::uint32_t RgbOf(const Rgb16& colour) {
  auto eight = [](std::int32_t component) {
    if (component < 0) component += 65536;
    return static_cast<std::uint32_t>(component / 256) & 0xFF;
  };
  return eight(colour.red) << 16 | eight(colour.green) << 8 | eight(colour.blue);
}

// Each component scaled by `factor` (below 1 darkens).
inline std::uint32_t Shade(std::uint32_t rgb, double factor) {
  std::uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double component = static_cast<double>((rgb >> shift) & 0xFF) * factor;
    result |= static_cast<std::uint32_t>(std::clamp(std::lround(component), 0L, 255L)) << shift;
  }
  return result;
}

}  // namespace crossmere
