#pragma once

#include <array>
#include <cstdint>

#include "exercises/catalogue.h"
#include "exercises/genotype_entry_check.h"
#include "genetics/exercise_setup.h"
#include "genetics/genetics_state.h"

namespace crossmere {

// A genotype question as it is asked: what marking needs, which of the
// example's loci are written in the slots and the two individuals shown.
struct EntrySetUp {
  EntryQuestion question;
  std::array<std::int32_t, kMaxEntryLoci> loci{1, 2};
  std::array<std::int32_t, 2> classes{};  // the individual on the left, on the right
};

// Sets up question q (of type 1, 2, 11 or 12). In a notation exercise the
// individuals are the two pure-breeding parents in their places; otherwise
// two individuals of one phenotype at the asked locus (1 for types 1 and 2,
// 2 for 11 and 12), drawn by the example's prepared choices for the question,
// the female on the left where the sexes are separate.
EntrySetUp SetUpEntryQuestion(const GeneticsState& genetics, const ExampleState& example,
                              const ExerciseOptions& options, const PreparedQuestions& questions, std::int32_t q);

}  // namespace crossmere
