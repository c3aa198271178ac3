#include "session/example_of.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "genetics/offspring.h"
#include "layer/string_lists.h"
#include "records/identity.h"

namespace crossmere {
namespace {

// What a student meets of an exercise, folded into one number: the
// organism, both starting parents, the waiting offspring, the next ten
// offspring of the cross and the question list.
std::uint64_t WholeExampleHash(SessionState& state) {
  std::uint64_t h = 1469598103934665603ull;
  auto mix = [&h](std::int64_t v) {
    h ^= static_cast<std::uint64_t>(v);
    h *= 1099511628211ull;
  };
  auto genotype = [&](std::int32_t classNumber) {
    const Genotype& g = state.genetics.classes[classNumber];
    for (std::int32_t p = 1; p <= kPositions; ++p) {
      mix(g.hap1[p]);
      mix(g.hap2[p]);
    }
  };
  mix(state.genetics.kind);
  mix(state.genetics.lociCount);
  genotype(state.genetics.objectClass[kFirstParentObject]);
  genotype(state.genetics.objectClass[kSecondParentObject]);
  mix(state.offspring.pending);
  genotype(state.genetics.objectClass[state.offspring.pending]);
  for (std::int32_t i = 0; i < 10; ++i) genotype(Mendel(state.genetics, state.offspring, state.random));
  mix(state.questions.list.count);
  for (std::int32_t q = 1; q <= state.questions.list.count; ++q) mix(state.questions.list.types[q]);
  return h;
}

// Pinned: the whole chain from a name to what the student sees. A change
// here changes every student's examples; only change it on purpose.
TEST(RecreatedExample, FromTheNameToTheOffspringIsPinned) {
  const StringLists strings;
  const std::int32_t ann = NameToNumber("Ann");
  ASSERT_EQ(ann, 2680);
  struct Pin {
    std::int32_t set, ex, kind;
    std::uint64_t hash;
  };
  for (const Pin& pin : {Pin{kElementarySet, 5, kMonkbear, 7807535896350562254ull},
                         Pin{kAdvancedSet, 17, kFly, 16763308926042921922ull}}) {
    SessionState state = RecreateExample(strings, ann, pin.set, pin.ex);
    EXPECT_EQ(state.genetics.kind, pin.kind);
    EXPECT_EQ(WholeExampleHash(state), pin.hash) << "set " << pin.set << " exercise " << pin.ex;
  }
}

TEST(RecreatedExample, TheStartingParentsAreTheFirstCross) {
  const StringLists strings;
  const SessionState state = RecreateExample(strings, 4711, kAdvancedSet, 2);
  EXPECT_EQ(state.cross.number, 1);
  EXPECT_EQ(state.cross.inBoxes, 2);
  EXPECT_EQ(state.cross.lastParents, state.example.parentObjects);
  EXPECT_EQ(state.preparedQuestions[2].list, state.questions.list);
}

// From the third try on, an exercise keeps the questions of its earlier
// tries, even when the student has been to another exercise in between.
TEST(RecreatedExample, LaterTriesKeepTheQuestionsPreparedBefore) {
  const StringLists strings;
  SessionState state = RecreateExample(strings, 4711, kAdvancedSet, 12);
  const Clock clock = [] { return std::int64_t{7}; };
  QuestionList kept = state.questions.list;
  std::reverse(kept.types.begin() + 1, kept.types.begin() + 1 + kept.count);
  state.preparedQuestions[12].list = kept;
  state.progress.current = 3;
  StartExample(state, strings, clock, nullptr);
  state.progress.current = 12;
  state.progress.tryCount[12] = 2;
  StartExample(state, strings, clock, nullptr);
  EXPECT_EQ(state.questions.list, kept);
}

TEST(RecreatedExample, TheClassCheckValueOffsetsTheSeed) {
  SessionState state;
  state.identity.number = 1234;
  EXPECT_EQ(ExampleRequestOf(state, 0).studentSeed, 1234);
  EXPECT_EQ(ExampleRequestOf(state, 77).studentSeed, 1311);
  state.identity.name = std::string(kPlaceholderName);
  EXPECT_FALSE(ExampleRequestOf(state, 0).seedFromStudent) << "no name, no fixed examples";
}

TEST(RecreatedExample, ANotationChosenByTheStudentLastsWhereTheExerciseOffersTheChoice) {
  const StringLists strings;
  SessionState state;
  state.identity.number = 1234;
  state.identity.numberGiven = true;
  state.startup.advancedLevel = 1;
  LoadExercises(state, strings, nullptr);
  const Clock clock = [] { return std::int64_t{0}; };
  const auto startExercise = [&](std::int32_t ex) {
    state.progress.current = ex;
    StartExample(state, strings, clock, nullptr);
    return state.genetics.wildNotation;
  };
  const std::int32_t switchable = 12;
  const std::int32_t fixed = 3;
  ASSERT_TRUE(state.exercises.options[switchable].NotationSwitch());
  ASSERT_FALSE(state.exercises.options[fixed].NotationSwitch());
  const bool standard = state.exercises.options[switchable].WildNotation();
  EXPECT_EQ(startExercise(switchable), standard);
  state.example.chosenWildNotation = !standard;
  EXPECT_EQ(startExercise(fixed), state.exercises.options[fixed].WildNotation());
  EXPECT_EQ(startExercise(switchable), !standard);
}

}  // namespace
}  // namespace crossmere
