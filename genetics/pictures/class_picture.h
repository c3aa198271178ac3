#pragma once

#include <cstdint>

#include "genetics/exercise_setup.h"
#include "genetics/genetics_state.h"
#include "genetics/pictures/picture_input.h"
#include "layer/drawing.h"

namespace crossmere {

struct PictureFrame {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const PictureFrame&) const = default;
};

// Genotype labels go under the picture of program-supplied stock, and of
// offspring unless their labels are hidden, when some locus shows its genotype.
bool ShowsGenotypeLabel(const GeneticsState& genetics, const ExampleState& example,
                        std::int32_t classNumber);

// The size of an individual's picture. `limitedGenotypes` is the short
// genotype form outside a trial; `scale` the screen's pixel ratio.
PictureFrame FrameOf(const GeneticsState& genetics, bool labels, bool limitedGenotypes,
                     std::int32_t scale = 1);

// Draws an organism as the input describes it (the colour of the pen is black).
void DrawOrganism(Drawing& drawing, const PictureInput& input);

// An organism of a kind not marked unavailable (index 1..4), each character
// showing one of its forms at random, in its natural frame: the welcome
// window's decoration.
PictureInput RandomOrganism(RandomGenerator& random, const std::array<bool, kPlant + 1>& unavailable,
                            const OrganismPalette& palette);

// Draws the picture of a genotype class (nothing for a lethal class) into a
// cleared frame, with its genotype label when one applies.
void DrawClassPicture(Drawing& drawing, const GeneticsState& genetics, const ExampleState& example,
                      const OrganismPalette& palette, std::int32_t classNumber, bool labels);

}  // namespace crossmere
