#pragma once

#include <cstdint>

#include "layer/drawing.h"
#include "layer/string_lists.h"
#include "session/session_state.h"

namespace crossmere {

// The teacher's picture of a student's current example: who the student is,
// the exercise, how the loci lie (with a map drawn to scale for linked loci),
// the starting parents' genotypes and every genotype of each locus with its
// phenotype. Drawn in a box of about 600 x 400.
void DrawAllGenotypes(Drawing& drawing, const StringLists& strings, const SessionState& state);

}  // namespace crossmere
