#pragma once

#include <string>
#include <vector>

#include "genetics/exercise_setup.h"
#include "genetics/genetics_state.h"
#include "genetics/pictures/picture_input.h"

namespace crossmere {

struct KeyPhenotype {
  std::string name;
  PictureInput picture;  // the organism showing this form, in its natural frame
};

struct KeyCharacter {
  std::string name;
  std::vector<KeyPhenotype> phenotypes;
};

// The key of the example's organism: each character that has a locus, with a
// picture of each form it takes (a lethal genotype's form is never seen, so it
// is left out). The pictures differ in that character only: the others show
// their first viable form, on a female where the sexes are separate.
std::vector<KeyCharacter> PhenotypeKey(const GeneticsState& genetics, const ExampleState& example,
                                       const OrganismPalette& palette);

}  // namespace crossmere
