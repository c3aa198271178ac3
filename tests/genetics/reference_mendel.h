#pragma once

#include <cstdint>

#include "genetics/genetics_state.h"
#include "genetics/offspring.h"
#include "layer/random_generator.h"

namespace crossmere::testing {

// Mendel written the plain way: each gamete's homologs chosen position by
// position with the interference chances worked out afresh, the zygote built
// allele by allele. The program's Mendel must agree with it draw for draw.
std::int32_t ReferenceMendel(GeneticsState& genetics, OffspringState& offspring, RandomGenerator& random);

}  // namespace crossmere::testing
