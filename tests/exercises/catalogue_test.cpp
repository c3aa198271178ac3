#include "exercises/catalogue.h"

#include <gtest/gtest.h>

#include <vector>

#include "exercises/question_types.h"
#include "layer/string_lists.h"

namespace crossmere {
namespace {

std::vector<std::int32_t> Types(const PreparedQuestions& prepared) {
  const auto& list = prepared.list;
  return {list.types.begin() + 1, list.types.begin() + 1 + list.count};
}

std::vector<std::int32_t> ChiSquareQuestions(const PreparedQuestions& prepared) {
  std::vector<std::int32_t> questions;
  for (std::int32_t q = 1; q <= prepared.list.count; ++q) {
    if (prepared.chiSquarePart[q]) questions.push_back(q);
  }
  return questions;
}

std::vector<std::int32_t> Maxima(const PreparedQuestions& prepared) {
  return {prepared.maximum.begin() + 1, prepared.maximum.begin() + 1 + prepared.list.count};
}

// Exercise 1 of a set built by hand.
ExerciseSet OneExercise(const std::vector<std::int32_t>& items,
                        const std::vector<std::int32_t>& questions) {
  ExerciseSet set;
  for (const std::int32_t item : items) set.options[1].Set(item);
  for (const std::int32_t type : questions) set.questions[1].types[++set.questions[1].count] = type;
  return set;
}

class StandardSets : public ::testing::Test {
 protected:
  StringLists strings;
  std::vector<std::string> warnings;
  ExerciseSet advanced = LoadExerciseSet(strings, kAdvancedSet, &warnings);
  ExerciseSet elementary = LoadExerciseSet(strings, kElementarySet, &warnings);

  const ExerciseSet& Set(std::int32_t offset) const {
    return offset == kElementarySet ? elementary : advanced;
  }
};

TEST_F(StandardSets, LoadWithoutWarningsAndOneLociItemEach) {
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  for (const ExerciseSet* set : {&advanced, &elementary}) {
    for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
      const std::int32_t lociItems = ExerciseOption(*set, ex, option_item::kOneLocus) +
                                     ExerciseOption(*set, ex, option_item::kTwoLoci) +
                                     ExerciseOption(*set, ex, option_item::kThreeLoci);
      EXPECT_EQ(lociItems, 1) << "offset " << set->offset << " exercise " << ex;
      EXPECT_GE(set->questions[ex].count, 1);
    }
  }
  EXPECT_FALSE(ExerciseOption(advanced, 0, option_item::kOneLocus));
  EXPECT_FALSE(ExerciseOption(advanced, 21, option_item::kOneLocus));
}

struct WorkedExample {
  const char* name;
  std::int32_t offset;
  std::int32_t ex;
  std::int32_t loci;
  std::vector<std::int32_t> types;
  std::vector<std::int32_t> chiSquare;
  std::vector<std::int32_t> maxima;
};

class WorkedExamples : public StandardSets, public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExamples, FirstTry) {
  const auto& example = GetParam();
  const auto prepared =
      PrepareQuestions(Set(example.offset), example.ex, 0, example.loci, 0, nullptr);
  EXPECT_EQ(Types(prepared), example.types);
  EXPECT_EQ(ChiSquareQuestions(prepared), example.chiSquare);
  EXPECT_EQ(Maxima(prepared), example.maxima);
  std::int32_t sum = 0;
  for (const std::int32_t marks : example.maxima) sum += marks;
  EXPECT_EQ(prepared.available, sum);
}

// A second preparation starts again from the standard list.
TEST_P(WorkedExamples, SecondTryPreparesTheSameAgain) {
  const auto& example = GetParam();
  const auto first = PrepareQuestions(Set(example.offset), example.ex, 0, example.loci, 0, nullptr);
  const auto second = PrepareQuestions(Set(example.offset), example.ex, 1, example.loci, 0, &first);
  EXPECT_EQ(Types(second), example.types);
  EXPECT_EQ(second.available, first.available);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, WorkedExamples,
    ::testing::Values(
        WorkedExample{"B2", kAdvancedSet, 2, 1, {4, 5}, {2}, {1, 9}},
        WorkedExample{"B3", kAdvancedSet, 3, 1, {7, 8}, {2}, {1, 9}},
        WorkedExample{"B6", kAdvancedSet, 6, 1, {1, 3, 13}, {}, {4, 1, 1}},
        WorkedExample{"B10", kAdvancedSet, 10, 1, {1, 2}, {}, {4, 4}},
        WorkedExample{"B11", kAdvancedSet, 11, 2, {4, 5, 6, 15}, {2, 3, 4}, {1, 9, 9, 13}},
        WorkedExample{"B15", kAdvancedSet, 15, 2, {30, 28, 31, 29}, {}, {1, 3, 1, 3}},
        WorkedExample{"B16", kAdvancedSet, 16, 2, {30, 28}, {}, {1, 3}},
        WorkedExample{"B17", kAdvancedSet, 17, 3, {30, 33, 34}, {}, {1, 6, 1}},
        WorkedExample{"A12", kElementarySet, 12, 1, {17, 3, 13}, {}, {1, 1, 1}},
        WorkedExample{"A14", kElementarySet, 14, 2, {3, 17, 19}, {}, {1, 1, 1}},
        WorkedExample{"A20", kElementarySet, 20, 2, {28}, {}, {3}}),
    [](const auto& info) { return std::string(info.param.name); });

// B13 "Two locus unknown" [1, 1] with the wild-type notation on.
struct GenotypeOrder {
  const char* name;
  std::int32_t loci;
  std::int32_t randomBit;
  std::vector<std::int32_t> types;
};

class GenotypeQuestionOrder : public StandardSets,
                              public ::testing::WithParamInterface<GenotypeOrder> {};

TEST_P(GenotypeQuestionOrder, FollowsTheBitOnlyWithMoreThanOneLocus) {
  const auto& row = GetParam();
  ASSERT_TRUE(ExerciseOption(advanced, 13, option_item::kWildNotation));
  EXPECT_EQ(Types(PrepareQuestions(advanced, 13, 0, row.loci, row.randomBit, nullptr)), row.types);
}

INSTANTIATE_TEST_SUITE_P(
    B13, GenotypeQuestionOrder,
    ::testing::Values(GenotypeOrder{"TwoLociInOrder", 2, 0, {2, 12}},
                      GenotypeOrder{"TwoLociReversed", 2, 1, {12, 2}},
                      GenotypeOrder{"OneLocusIgnoresBit0", 1, 0, {2, 1}},
                      GenotypeOrder{"OneLocusIgnoresBit1", 1, 1, {2, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandardSets, LaterTriesKeepThePreviousList) {
  const auto first = PrepareQuestions(advanced, 13, 0, 2, 0, nullptr);
  ASSERT_EQ(Types(first), (std::vector<std::int32_t>{2, 12}));
  // The second try draws again; from the third on the list stays as it was.
  EXPECT_EQ(Types(PrepareQuestions(advanced, 13, 1, 2, 1, &first)),
            (std::vector<std::int32_t>{12, 2}));
  for (const std::int32_t tryCount : {2, 5}) {
    const auto later = PrepareQuestions(advanced, 13, tryCount, 2, 1, &first);
    EXPECT_EQ(Types(later), Types(first)) << tryCount;
    EXPECT_EQ(later.available, first.available);
  }
  EXPECT_EQ(Types(PrepareQuestions(advanced, 13, 2, 2, 1, nullptr)),
            (std::vector<std::int32_t>{12, 2}));

  // Kept lists are not prepared a second time: no second set-up cross.
  const auto b15 = PrepareQuestions(advanced, 15, 0, 2, 0, nullptr);
  EXPECT_EQ(Types(PrepareQuestions(advanced, 15, 3, 2, 0, &b15)), Types(b15));
}

struct HandBuiltCase {
  const char* name;
  std::vector<std::int32_t> items;
  std::vector<std::int32_t> questions;
  std::vector<std::int32_t> types;
};

class HandBuiltLists : public ::testing::TestWithParam<HandBuiltCase> {};

TEST_P(HandBuiltLists, Prepared) {
  const auto& row = GetParam();
  const auto prepared =
      PrepareQuestions(OneExercise(row.items, row.questions), 1, 0, 2, 0, nullptr);
  EXPECT_EQ(Types(prepared), row.types);
  std::int32_t sum = 0;
  for (const std::int32_t type : row.types) sum += QuestionMarks(type);
  EXPECT_EQ(prepared.available, sum);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, HandBuiltLists,
    ::testing::Values(
        HandBuiltCase{"FlyWithSexesAutosomal", {53, 56, 58, 69, 80, 99}, {28, 28},
                      {30, 28, 31, 29, 32}},
        HandBuiltCase{"NoSexes", {53, 58, 69, 80, 99}, {28, 28}, {30, 28, 31, 29}},
        HandBuiltCase{"SexLinked", {53, 56, 59, 69, 80, 99}, {28, 28}, {30, 28, 31, 29}},
        HandBuiltCase{"AnyOrganism", {53, 56, 58, 69, 80, 96}, {28, 28}, {30, 28, 31, 29}},
        HandBuiltCase{"FlyWithOneEstimate", {53, 56, 58, 69, 80, 99}, {28}, {30, 28}},
        HandBuiltCase{"Locked", {53, 56, 58, 69, 79, 99}, {28, 28}, {28, 28}},
        HandBuiltCase{"ListFullAfterThePair", {53, 56, 58, 69, 80, 99},
                      {20, 21, 22, 24, 25, 26, 28, 28},
                      {20, 21, 22, 24, 25, 26, 30, 28, 31, 29}},
        HandBuiltCase{"TenthQuestionFallsOff", {53, 69, 80},
                      {20, 21, 22, 24, 25, 26, 27, 14, 28, 34},
                      {20, 21, 22, 24, 25, 26, 27, 14, 30, 28}},
        HandBuiltCase{"EveryLaterObservedIsCharacter2", {53}, {5, 5, 8, 5, 8},
                      {5, 6, 8, 6, 9}},
        HandBuiltCase{"OnlyTheSecondFindIsRenumbered", {52}, {3, 17, 3, 17, 3, 17},
                      {3, 17, 13, 19, 3, 17}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OptionLists, NonNumericEntryWarnsAndKeepsTheOthers) {
  const StringLists strings(std::vector<StringEntry>{
      {201, 1, "52"},  {201, 2, "58"},   {201, 3, "5x"},  {201, 4, "74"},
      {201, 6, "120"}, {201, 7, " 79 "}, {203, 2, "x"},   {251, 1, "4"},
      {251, 3, "6"},
  });
  std::vector<std::string> warnings;
  const ExerciseSet set = LoadExerciseSet(strings, kAdvancedSet, &warnings);
  EXPECT_EQ(warnings,
            (std::vector<std::string>{"Warning - Non-numeric character in defaults:  1  3",
                                      "Warning - Non-numeric character in defaults:  3  2"}));

  std::vector<std::int32_t> on;
  for (std::int32_t item = 40; item <= 130; ++item) {
    if (ExerciseOption(set, 1, item)) on.push_back(item);
  }
  EXPECT_EQ(on, (std::vector<std::int32_t>{52, 58, 74, 79}));
  EXPECT_EQ(set.options[3], ExerciseOptions{});

  // Gaps in a question list close up.
  EXPECT_EQ(set.questions[1].count, 2);
  EXPECT_EQ(set.questions[1].types[2], 6);
  EXPECT_EQ(set.questions[2].count, 0);
}

TEST_F(StandardSets, ListFlags) {
  struct Row {
    std::int32_t ex;
    ListFlags flags;
  };
  for (const Row& row : {Row{1, {true, false, false, true}},    // genotypes "Yes"
                         Row{3, {false, false, true, true}},    // genotypes "No"
                         Row{14, {true, true, true, true}}}) {  // genotypes "Part"
    EXPECT_EQ(ExerciseListFlags(advanced.options[row.ex]), row.flags) << "B" << row.ex;
  }
  const auto single = OneExercise({option_item::kGenotypesPart, option_item::kSingleExample,
                                   option_item::kNoTrial},
                                  {});
  EXPECT_EQ(ExerciseListFlags(single.options[1]), (ListFlags{true, true, false, false}));
}

TEST_F(StandardSets, MenuTitles) {
  const auto b11 = PrepareQuestions(advanced, 11, 0, 2, 0, nullptr);
  const std::vector<std::string> expected = {
      "Ex11 Q1 - F1 intercross", "Ex11 Q2 - Chi-square [character 1]",
      "Ex11 Q3 - Chi-square [character 2]", "Ex11 Q4 - Chi-square [joint]"};
  for (std::int32_t q = 1; q <= 4; ++q) {
    EXPECT_EQ(QuestionMenuTitle(strings, 11, q, b11), expected[q - 1]);
  }
  EXPECT_EQ(QuestionMenuTitle(strings, 11, 5, b11), "");

  const auto b2 = PrepareQuestions(advanced, 2, 0, 1, 0, nullptr);
  EXPECT_EQ(QuestionMenuTitle(strings, 2, 1, b2), "Ex2 Q1 - F1 intercross");
  EXPECT_EQ(QuestionMenuTitle(strings, 2, 2, b2), "Ex2 Q2 - Chi-square");

  const auto a8 = PrepareQuestions(elementary, 8, 0, 1, 0, nullptr);
  EXPECT_EQ(QuestionMenuTitle(strings, 8, 1, a8), "Ex8 Q1 - Observed and Expected");
}

TEST(MenuTitles, WithoutChiSquarePartTheCharacterTitlesAreShort) {
  const StringLists strings;
  const auto set = OneExercise({option_item::kTwoLoci}, {7, 5, 5, 15});
  const auto prepared = PrepareQuestions(set, 1, 0, 2, 0, nullptr);
  ASSERT_EQ(Types(prepared), (std::vector<std::int32_t>{7, 5, 6, 15}));
  EXPECT_EQ(QuestionMenuTitle(strings, 1, 2, prepared), "Ex1 Q2 - Obs. and Exp. [character 1]");
  EXPECT_EQ(QuestionMenuTitle(strings, 1, 3, prepared), "Ex1 Q3 - Obs. and Exp. [character 2]");
  EXPECT_EQ(QuestionMenuTitle(strings, 1, 4, prepared), "Ex1 Q4 - Obs. and Exp. [joint]");
  EXPECT_EQ(prepared.available, 1 + 5 + 5 + 9);
}

}  // namespace
}  // namespace crossmere
