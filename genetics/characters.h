#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "genetics/exercise_options.h"
#include "genetics/genetics_state.h"
#include "layer/random_generator.h"

namespace crossmere {

struct CharacterChoice {
  const ExerciseOptions* options = nullptr;
  bool randomBackground = false;  // the class option "Random characters"
  // Canines may not be an intermediate first locus: the difference is too
  // hard to see for questions that count phenotypes.
  bool refuseIntermediateCanines = false;
};

// Gives every locus of the example a character, a dominance relation and
// possibly lethality. `excluded` (characters 2..9) names characters the
// exercise may not use; it is relaxed when too few remain. Alerts go to `alerts`.
void ChooseCharacters(GeneticsState& genetics, RandomGenerator& random, const CharacterChoice& choice,
                      std::array<bool, kMaxCharacter + 1>& excluded,
                      std::vector<std::string>* alerts);

}  // namespace crossmere
