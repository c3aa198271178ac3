#include <cstdint>

#include "genetics/pictures/picture_input.h"

namespace crossmere {
namespace {

// 0xRRGGBB as 16-bit components (each byte repeated, so 0xFF gives 65535).
constexpr Rgb16 Swatch(std::uint32_t rgb) {
  return {static_cast<std::int32_t>((rgb >> 16 & 0xFF) * 257), static_cast<std::int32_t>((rgb >> 8 & 0xFF) * 257),
          static_cast<std::int32_t>((rgb & 0xFF) * 257)};
}

}  // namespace

// The three swatches of each colour character differ in lightness as well as
// hue, so that students who confuse red and green still tell them apart.
OrganismPalette DefaultPalette() {
  OrganismPalette palette;
  palette.monkbearSnout = {Swatch(0xB48A5C), Swatch(0x8E3B24), Swatch(0xE8322A)};  // brown, red-brown, red
  palette.monkbearEyes = {Swatch(0xC41E1E), Swatch(0x8A3FC0), Swatch(0x46A4FF)};   // red, purple, blue
  palette.monkbearSkin = Swatch(0xF3D9BD);
  palette.bowTie = Swatch(0x2747B8);
  palette.ribbon = Swatch(0xFF5FA2);
  palette.flyBody = {Swatch(0xE9C23A), Swatch(0xB7A46C), Swatch(0x85827C)};   // yellow, between, gray
  palette.flyEyes = {Swatch(0xD0211D), Swatch(0xF58FAE), Swatch(0xF7F7F2)};    // red, pink, white
  palette.plantSepals = {Swatch(0x1F6A2B), Swatch(0x4FA046), Swatch(0xACDC8C)};  // dark, between, light
  palette.plantFlowers = {Swatch(0xCB2027), Swatch(0x9342C2), Swatch(0x4C8EF0)};  // red, purple, blue
  palette.plantStem = Swatch(0x3F8A3A);
  return palette;
}

}  // namespace crossmere
