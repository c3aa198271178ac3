#pragma once

#include <array>
#include <cstdint>

#include "genetics/organisms.h"

namespace crossmere {

// A colour as three 16-bit components, 0..65535 (stored signed: values above
// 32767 may appear as their value - 65536).
struct Rgb16 {
  std::int32_t red = 0;
  std::int32_t green = 0;
  std::int32_t blue = 0;
  bool operator==(const Rgb16&) const = default;
};

// The editable colours of the colour characters, one per phenotype value.
struct OrganismPalette {
  std::array<Rgb16, 3> monkbearSnout;  // "Snout/ear colours:", character 2
  std::array<Rgb16, 3> monkbearEyes;   // "Eye colours:", character 3
  Rgb16 monkbearSkin;                  // "Skin:"
  Rgb16 bowTie;                        // "Boys' bow-tie:"
  Rgb16 ribbon;                        // "Girls' ribbon:"
  std::array<Rgb16, 3> flyBody;        // "Body colours:", character 8
  std::array<Rgb16, 3> flyEyes;        // "Eye colours:", character 3
  std::array<Rgb16, 3> plantSepals;    // "Sepal colours:", character 5
  std::array<Rgb16, 3> plantFlowers;   // "Flower colours:", character 4
  Rgb16 plantStem;                     // "Stem"
};

OrganismPalette DefaultPalette();

// Everything an organism drawing needs: the appearance of each character
// (index 1..9; character 1 is sex: 1 female, 2 male), the colours, and the
// frame it is drawn in (the lowest 14 pixels are kept for genotype labels).
struct PictureInput {
  std::int32_t kind = kDinosaurDog;
  std::array<std::int32_t, kMaxCharacter + 1> values{};
  const OrganismPalette* palette = nullptr;
  std::array<Rgb16, 4> randomColours{};  // drawn per exercise, used by the Monkbear
  std::int32_t width = 0;
  std::int32_t height = 0;
};

}  // namespace crossmere
