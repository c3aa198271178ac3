#pragma once

#include "genetics/pictures/picture_input.h"
#include "layer/drawing.h"

namespace crossmere {

// A Monkbear's head and shoulders, centred in the frame above the label strip.
// Fur takes its tones from the exercise's random colours; the snout, inner
// ears, eyes, skin and the sex mark take the palette's swatches.
void DrawMonkbear(Drawing& drawing, const PictureInput& input);

}  // namespace crossmere
