#pragma once

namespace crossmere {

struct Session;

// The "Colour" command: the organism's colour swatches, each changed with the
// desktop's colour chooser, and the colours of genotype labels.
void ShowColourDialog(Session& session);

}  // namespace crossmere
