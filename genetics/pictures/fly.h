#pragma once

#include "genetics/pictures/picture_input.h"
#include "layer/drawing.h"

namespace crossmere {

// A fly seen from above with its wings spread, centred in the frame above the
// label strip. The body and eyes take the palette's swatches; the sexes differ
// only in the abdomen.
void DrawFly(Drawing& drawing, const PictureInput& input);

}  // namespace crossmere
