#include "exercises/genotype_entry_setup.h"

#include <gtest/gtest.h>

#include "genetics/genotype_classes.h"
#include "layer/string_lists.h"
#include "session/example_of.h"

namespace crossmere {
namespace {

EntrySetUp SetUpFirst(const SessionState& state) {
  return SetUpEntryQuestion(state.genetics, state.example, state.exercises.options[state.progress.current],
                            state.questions, 1);
}

bool Contains(const std::vector<EntryGenotype>& truth, const EntryGenotype& genotype) {
  return std::find(truth.begin(), truth.end(), genotype) != truth.end();
}

// B9 hides the sexes on screen: the question still shows the female on the
// left and the male on the right, both of one phenotype, each one of the
// genotypes the marking accepts; asked again, the same two.
TEST(GenotypeEntrySetUp, HiddenSexesShowTheFemaleOnTheLeft) {
  const StringLists strings;
  for (const std::int32_t student : {2680, 1234, 7, 9999}) {
    const SessionState state = RecreateExample(strings, student, kAdvancedSet, 9);
    ASSERT_EQ(state.questions.list.types[1], 1);
    const EntrySetUp setUp = SetUpFirst(state);
    const GeneticsState& g = state.genetics;
    ASSERT_NE(setUp.classes[0], 0) << student;
    ASSERT_NE(setUp.classes[1], 0) << student;
    EXPECT_EQ(g.classes[setUp.classes[0]].Sex(), 0) << student;
    EXPECT_EQ(g.classes[setUp.classes[1]].Sex(), 1) << student;
    EXPECT_EQ(LocusPhenotype(g, setUp.classes[0], 1), LocusPhenotype(g, setUp.classes[1], 1)) << student;
    for (std::size_t i = 0; i < 2; ++i) {
      const auto& truth = setUp.question.truth[i];
      ASSERT_FALSE(truth.empty());
      EntryGenotype shown;
      const Genotype& genotype = g.classes[setUp.classes[i]];
      const std::int32_t position = g.locusPosition[1];
      shown.loci[0] = {genotype.hap1[position], IsXLinked(position) && i == 1 ? kNoGene : genotype.hap2[position]};
      EXPECT_TRUE(Contains(truth, shown)) << student << " individual " << i;
    }
    EXPECT_EQ(SetUpFirst(state).classes, setUp.classes) << "the same student always meets the same individuals";
  }
}

// A notation exercise asks for the two pure-breeding parents, every locus.
TEST(GenotypeEntrySetUp, NotationExercisesAskForTheParents) {
  const StringLists strings;
  for (const std::int32_t ex : {7, 15}) {
    const SessionState state = RecreateExample(strings, 2680, kElementarySet, ex);
    const EntrySetUp setUp = SetUpFirst(state);
    EXPECT_TRUE(setUp.question.parents) << ex;
    EXPECT_EQ(setUp.question.lociCount, state.genetics.lociCount) << ex;
    for (std::int32_t i = 0; i < 2; ++i) {
      EXPECT_EQ(setUp.classes[i], state.genetics.objectClass[kFirstParentObject + i]) << ex;
      ASSERT_EQ(setUp.question.truth[i].size(), 1u) << ex;
      for (std::int32_t k = 0; k < setUp.question.lociCount; ++k) {
        const auto genes = setUp.question.truth[i][0].loci[k];
        EXPECT_TRUE(genes[0] == genes[1] || genes[1] == kNoGene) << "pure-breeding, exercise " << ex;
      }
    }
  }
}

// B13 asks about each locus in turn, in the wild-type notation.
TEST(GenotypeEntrySetUp, TheSecondQuestionAsksAboutTheSecondLocus) {
  const StringLists strings;
  const SessionState state = RecreateExample(strings, 2680, kAdvancedSet, 13);
  for (std::int32_t q = 1; q <= 2; ++q) {
    const std::int32_t type = state.questions.list.types[q];
    const EntrySetUp setUp =
        SetUpEntryQuestion(state.genetics, state.example, state.exercises.options[13], state.questions, q);
    EXPECT_EQ(setUp.loci[0], type >= 11 ? 2 : 1) << "type " << type;
    EXPECT_EQ(setUp.question.wildNotation, type == 2 || type == 12);
    if (setUp.question.wildNotation) {
      EXPECT_EQ(setUp.question.loci[0].symbols[0], "+");
    }
    EXPECT_EQ(setUp.question.secondQuestion, q == 2);
  }
}

}  // namespace
}  // namespace crossmere
