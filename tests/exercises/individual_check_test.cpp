#include "exercises/individual_check.h"

#include <gtest/gtest.h>

#include "tests/genetics/genetics_fixture.h"

namespace crossmere {
namespace {

using testing::ClassOfAlleles;
using testing::MakeGenetics;

PreparedQuestions Questions(std::initializer_list<std::int32_t> types) {
  PreparedQuestions prepared;
  for (const std::int32_t type : types) prepared.list.types[++prepared.list.count] = type;
  return prepared;
}

TEST(FindQuestionContext, TwoHomozygoteQuestionsAskRecessiveThenDominant) {
  const GeneticsState g = MakeGenetics(kMonkbear, {{8, 3}}, false);  // allele 1 dominant
  const PreparedQuestions questions = Questions({3, 13});
  const ExerciseOptions options;
  EXPECT_EQ(FindQuestionContext(g, questions, options, 1).requestedAllele, 0);
  EXPECT_EQ(FindQuestionContext(g, questions, options, 2).requestedAllele, 1);
}

TEST(FindQuestionContext, ASingleHomozygoteQuestionDependsOnTheParentCross) {
  const GeneticsState g = MakeGenetics(kMonkbear, {{8, 3}}, false);
  const PreparedQuestions questions = Questions({17, 3});
  ExerciseOptions options;
  EXPECT_EQ(FindQuestionContext(g, questions, options, 2).requestedAllele, 1);
  options.Set(option_item::kDominantBackcrossParents);
  EXPECT_EQ(FindQuestionContext(g, questions, options, 2).requestedAllele, 0);
}

TEST(FindQuestionContext, TwoLocusExercisesAskForDominantHomozygotes) {
  const GeneticsState g = MakeGenetics(kMonkbear, {{8, 1}, {10, 3}}, false);  // locus 1: allele 0 dominant
  const PreparedQuestions questions = Questions({3, 13, 17, 19});
  const ExerciseOptions options;
  const FindContext first = FindQuestionContext(g, questions, options, 1);
  EXPECT_EQ(first.locus, 1);
  EXPECT_EQ(first.requestedAllele, 0);
  const FindContext second = FindQuestionContext(g, questions, options, 2);
  EXPECT_EQ(second.locus, 2);
  EXPECT_EQ(second.requestedAllele, 1);
  EXPECT_EQ(FindQuestionContext(g, questions, options, 3).locus, 1);
  EXPECT_EQ(FindQuestionContext(g, questions, options, 4).locus, 2);
}

struct VerdictCase {
  const char* name;
  std::int32_t type;
  std::int32_t hap1;
  std::int32_t hap2;
  bool good;
  std::int32_t message;
};

class Verdict : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(Verdict, OfAClickedIndividual) {
  const VerdictCase& c = GetParam();
  const GeneticsState g = MakeGenetics(kMonkbear, {{8, 3}}, false);
  FindContext context;
  context.requestedAllele = 0;
  const std::int32_t classNumber = ClassOfAlleles(g, 0, {0, c.hap1, 0, 0}, {0, c.hap2, 0, 0});
  const FindVerdict verdict = JudgeIndividual(g, classNumber, c.type, context);
  EXPECT_EQ(verdict.good, c.good);
  EXPECT_EQ(verdict.message, c.message);
  EXPECT_EQ(HasRequestedGenotype(g, classNumber, context), c.type == 3 && c.good);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Verdict,
    ::testing::Values(VerdictCase{"RightHomozygote", 3, 0, 0, true, find_text::kGood},
                      VerdictCase{"WrongHomozygote", 3, 1, 1, false, find_text::kWrongAllele},
                      VerdictCase{"HeterozygoteForHomozygote", 3, 1, 0, false, find_text::kHeterozygoteClicked},
                      VerdictCase{"Heterozygote", 17, 0, 1, true, find_text::kGood},
                      VerdictCase{"HomozygoteForHeterozygote", 17, 1, 1, false, find_text::kHomozygoteClicked}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JudgeIndividual, AMaleIsHemizygousForASexLinkedGene) {
  const GeneticsState g = MakeGenetics(kFly, {{2, 3}});
  FindContext context;
  context.requestedAllele = 0;
  const std::int32_t male = ClassOfAlleles(g, 1, {0, 0, 0, 0}, {0, 0, 0, 0});
  for (const std::int32_t type : {3, 17}) {
    const FindVerdict verdict = JudgeIndividual(g, male, type, context);
    EXPECT_FALSE(verdict.good);
    EXPECT_EQ(verdict.message, find_text::kHemizygousMale);
  }
  EXPECT_FALSE(HasRequestedGenotype(g, male, context));
}

// "No individual" to a heterozygote question is checked against the
// heterozygotes (females only at a sex-linked locus), and a lethal
// homozygote has nothing to do with it.
TEST(HasRequestedGenotype, AHeterozygoteQuestionLooksForHeterozygotes) {
  const GeneticsState g = MakeGenetics(kFly, {{2, 3, true}});
  const GeneticsState plants = MakeGenetics(kPlant, {{8, 3}}, false);
  const FindContext context = FindQuestionContext(g, Questions({17}), ExerciseOptions(), 1);
  const FindContext plantContext = FindQuestionContext(plants, Questions({17}), ExerciseOptions(), 1);
  EXPECT_TRUE(HasRequestedGenotype(g, ClassOfAlleles(g, 0, {0, 1}, {0, 0}), context));
  EXPECT_FALSE(HasRequestedGenotype(g, ClassOfAlleles(g, 0, {0, 0}, {0, 0}), context));
  EXPECT_FALSE(HasRequestedGenotype(g, ClassOfAlleles(g, 1, {0, 1}, {0, 1}), context)) << "a hemizygous male";
  EXPECT_FALSE(RequestedGenotypeLethal(g, context));
  EXPECT_TRUE(HasRequestedGenotype(plants, ClassOfAlleles(plants, 0, {0, 0}, {0, 1}), plantContext));
  EXPECT_FALSE(HasRequestedGenotype(plants, ClassOfAlleles(plants, 0, {0, 1}, {0, 1}), plantContext));
}

TEST(RequestedGenotypeLethal, OnlyTheDominantHomozygoteOfALethalLocus) {
  const GeneticsState g = MakeGenetics(kMonkbear, {{8, 3, true}}, false);
  FindContext context;
  context.requestedAllele = 1;
  EXPECT_TRUE(RequestedGenotypeLethal(g, context));
  context.requestedAllele = 0;
  EXPECT_FALSE(RequestedGenotypeLethal(g, context));
}

}  // namespace
}  // namespace crossmere
