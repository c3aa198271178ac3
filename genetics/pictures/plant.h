#pragma once

#include "genetics/pictures/picture_input.h"
#include "layer/drawing.h"

namespace crossmere {

// A flowering plant: one open flower seen from above on a leafy stem, centred
// in the frame above the label strip. Petals, sepals and stem take the
// palette's swatches.
void DrawPlant(Drawing& drawing, const PictureInput& input);

}  // namespace crossmere
