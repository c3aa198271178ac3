#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "genetics/pictures/picture_input.h"
#include "layer/drawing.h"

namespace crossmere {

// A horizontal run of set pixels of a dog bitmap: `length` pixels from (x, y).
struct PixelRun {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t length = 0;
  bool operator==(const PixelRun&) const = default;
};

// The runs of one row of hexadecimal digits starting at x, most significant
// bit leftmost ("F" one run of four pixels, "5" two runs of one).
std::vector<PixelRun> RowRuns(std::string_view digits, std::int32_t x, std::int32_t y);

// The runs of character c's bitmap at value v, placed in a picture whose origin is (0, 0).
std::vector<PixelRun> DogPartRuns(std::int32_t character, std::int32_t value);

// The Dinosaur dog from its 21 bitmaps, in the current colour.
void DrawDinosaurDog(Drawing& drawing, const PictureInput& input);

}  // namespace crossmere
