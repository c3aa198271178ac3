#include <map>

#include <gtest/gtest.h>

#include "genetics/genotype_classes.h"
#include "tests/tutor/questions_fixture.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace crossmere::testing;

constexpr std::int32_t kFirstRatio = 331;
constexpr std::int32_t kFirstObserved = 335;
constexpr std::int32_t kTotal = 339;
constexpr std::int32_t kFirstRatioAnswer = 341;
constexpr std::int32_t kFirstObservedAnswer = 345;
constexpr std::int32_t kChiEntry = 375;
constexpr std::int32_t kDegrees = 376;
constexpr std::int32_t kSignificant = 377;
constexpr std::int32_t kNonSignificant = 378;
constexpr std::int32_t kFirstExpected = 381;
constexpr std::int32_t kShowCalculation = 952;
constexpr std::int32_t kHideCalculation = 951;
constexpr std::int32_t kFitChart = 360;

// A student filling in the table of an observed-and-expected question.
class ObservedExpected : public Questions {
 protected:
  // Answers the cross question with the two parents given and produces the
  // offspring counted per class (for this cross).
  void CrossAndBreed(std::int32_t mother, std::int32_t father, const std::map<std::int32_t, std::int32_t>& offspring) {
    session.genetics.objectClass[kFirstParentObject] = mother;
    session.genetics.objectClass[kSecondParentObject] = father;
    Choose(1);
    Answer(1, kYes);
    MarkMe(1);
    ASSERT_TRUE(Record(1).completed) << Bad(1);
    Breed(offspring);
  }

  void Breed(const std::map<std::int32_t, std::int32_t>& offspring) {
    session.offspring.crossClassCount.fill(0);
    session.offspring.counters[2] = 0;
    for (const auto& [classNumber, count] : offspring) {
      session.offspring.crossClassCount[static_cast<std::size_t>(classNumber)] = count;
      session.offspring.counters[2] += count;
    }
  }

  // Ratio parts are pull-down entries after "?"; nullopt leaves "?".
  void Fill(std::int32_t q, const std::vector<std::optional<std::int32_t>>& ratios,
            const std::vector<std::int32_t>& observed, std::int32_t total) {
    for (std::size_t k = 0; k < ratios.size(); ++k) {
      service.ItemSelect(Window(q), kFirstRatio + static_cast<std::int32_t>(k));
      service.SetControlValue(ratios[k] ? *ratios[k] + 2 : 1);
    }
    for (std::size_t k = 0; k < observed.size(); ++k) {
      service.PressKey(Window(q), kFirstObserved + static_cast<std::int32_t>(k), std::to_string(observed[k]));
    }
    service.PressKey(Window(q), kTotal, std::to_string(total));
  }

  std::int32_t RowsShown(std::int32_t q) {
    std::int32_t rows = 0;
    for (std::int32_t k = 0; k < 4; ++k) rows += service.ItemVisible(Window(q), kFirstRatio + k) ? 1 : 0;
    return rows;
  }

  std::int32_t Heterozygote(std::int32_t sex = 0) { return ClassWith(1, sex); }
  // Three dominant to one recessive, 100 in all: 25 + 50 of the dominant form.
  std::map<std::int32_t, std::int32_t> ThreeToOne(std::int32_t dominant, std::int32_t het, std::int32_t recessive) {
    return {{dominant, 25}, {het, 50}, {recessive, 25}};
  }
};

// B2 from the cross to the chi-square: too few offspring are refused, the
// table is marked box by box, and the chi-square part adds up to 4.
TEST_F(ObservedExpected, AnIntercrossEndToEnd) {
  Start(true, 2);
  ASSERT_EQ(session.questions.list.types[2], 5);
  ASSERT_TRUE(session.questions.chiSquarePart[2]);
  const LocusRule& locus = session.genetics.loci[1];
  const std::int32_t dominant = Homozygote(locus.dominantAllele);
  const std::int32_t recessive = Homozygote(locus.recessiveAllele);
  CrossAndBreed(Heterozygote(), Heterozygote(1), {{dominant, 24}, {Heterozygote(), 50}, {recessive, 25}});

  Choose(2);
  EXPECT_EQ(service.ItemText(Window(2), kInstruction), "Please produce at least 100 offspring before trying this question.");
  EXPECT_FALSE(service.ItemVisible(Window(2), kFirstRatio));
  EXPECT_FALSE(service.ItemVisible(Window(2), kMark));

  Breed(ThreeToOne(dominant, Heterozygote(), recessive));
  Choose(2);
  ASSERT_EQ(RowsShown(2), 2);
  const std::string both = session.genetics.hermaphrodite ? "" : " (both sexes)";
  EXPECT_EQ(service.ItemText(Window(2), kInstruction).substr(0, 60 + both.size()),
            "Fill in expected ratios and total observed numbers" + both + " for the '");
  EXPECT_FALSE(service.ItemVisible(Window(2), kChiEntry));
  EXPECT_FALSE(service.ItemVisible(Window(2), kShowCalculation));

  Fill(2, {6, 2}, {75, 24}, 100);
  MarkMe(2);
  EXPECT_FALSE(Record(2).completed) << "the chi-square part follows";
  EXPECT_EQ(Record(2).mark, 4) << "one observed number wrong of 5 boxes";
  EXPECT_EQ(Record(2).maximum, 9);
  EXPECT_EQ(Bad(2), "Computer's answers are shown to right of yours.");
  EXPECT_EQ(service.ItemText(Window(2), 307), "Best to divide expected ratio by common factor");
  EXPECT_EQ(service.ItemText(Window(2), kFirstRatioAnswer), "\u2713");
  EXPECT_EQ(service.ItemText(Window(2), kFirstObservedAnswer + 1), "25") << "the program's count beside the wrong one";
  EXPECT_TRUE(service.ItemVisible(Window(2), kFitChart));
  EXPECT_EQ(service.ItemText(Window(2), kInstruction), "Use these Observed and Expected values to calculate Chi-square etc.");
  EXPECT_TRUE(service.ItemVisible(Window(2), kChiEntry));
  EXPECT_TRUE(service.ItemVisible(Window(2), kMark));

  // 75 : 25 against 3 : 1 fits exactly.
  service.PressKey(Window(2), kChiEntry, "0.0");
  service.ItemSelect(Window(2), kDegrees);
  service.SetControlValue(2);
  Answer(2, kNonSignificant);
  MarkMe(2);
  EXPECT_TRUE(Record(2).completed);
  EXPECT_EQ(Record(2).mark, 8);
  EXPECT_EQ(Good(2), "Good.");
  service.PostEvent(Window(2), kShowCalculation, 0);
  EXPECT_EQ(service.ItemText(Window(2), kFirstExpected), "75.0");
  EXPECT_TRUE(service.ItemVisible(Window(2), kHideCalculation));
  service.PostEvent(Window(2), kHideCalculation, 0);
  EXPECT_FALSE(service.ItemVisible(Window(2), kFirstExpected));
}

// The chi-square value is judged by how far it is from the program's.
TEST_F(ObservedExpected, ChiSquareValuesNearTheProgramsEarnMore) {
  struct Case {
    double off;
    std::int32_t marks;
  };
  // 60 : 40 against 1 : 1 in B3's testcross: chi-square 4.0, significant.
  for (const Case& c : {Case{0.08, 2}, Case{0.33, 1}, Case{0.63, 0}, Case{-0.63, 0}}) {
    Start(true, 3);
    ASSERT_EQ(session.questions.list.types[2], 8);
    const LocusRule& locus = session.genetics.loci[1];
    const std::int32_t recessive = Homozygote(locus.recessiveAllele, 1);
    CrossAndBreed(Heterozygote(), recessive, {{Heterozygote(1), 60}, {recessive, 40}});
    Choose(2);
    ASSERT_EQ(RowsShown(2), 2);
    Fill(2, {1, 1}, {60, 40}, 100);
    MarkMe(2);
    ASSERT_EQ(Record(2).mark, 5);
    service.PressKey(Window(2), kChiEntry, std::to_string(4.0 + c.off));
    MarkMe(2);
    EXPECT_EQ(Record(2).mark, 5 + c.marks) << c.off;
  }
}

// B11's two loci: each character alone in 2 or 3 rows, both jointly in 4.
TEST_F(ObservedExpected, RowsFollowTheCharacterStudied) {
  Start(true, 11);
  ASSERT_EQ(session.questions.list.types[2], 5);
  ASSERT_EQ(session.questions.list.types[3], 6);
  ASSERT_EQ(session.questions.list.types[4], 15);
  const GeneticsState& g = session.genetics;
  ASSERT_EQ(g.lociCount, 2);
  // Heterozygous at both loci, where a male can be.
  const auto dihybrid = [&](std::int32_t sex) {
    const auto fits = [&](std::int32_t c, std::int32_t k) {
      return (sex == 1 && IsXLinked(g.locusPosition[k])) || g.classes[c].Sum(g.locusPosition[k]) == 1;
    };
    for (std::int32_t c = 1; c <= kClassCount; ++c) {
      if (g.classes[c].Sex() == sex && fits(c, 1) && fits(c, 2) && ClassInExample(g, c)) return c;
    }
    return 0;
  };
  std::map<std::int32_t, std::int32_t> offspring;
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    if (ClassInExample(g, c) && c < kStockMark) offspring[c] = 10;
  }
  CrossAndBreed(dihybrid(0), dihybrid(g.hermaphrodite ? 0 : 1), offspring);
  const auto rowsOf = [&](std::int32_t k) {
    const LocusRule& locus = g.loci[k];
    return locus.phenotype[1] == locus.phenotype[0] || locus.phenotype[1] == locus.phenotype[2] ? 2 : 3;
  };
  for (const auto& [q, rows] : {std::pair{2, rowsOf(1)}, std::pair{3, rowsOf(2)}, std::pair{4, 4}}) {
    Choose(q);
    EXPECT_EQ(RowsShown(q), rows) << "question " << q;
  }
}

// A question without the chi-square part is done at its first marking.
TEST_F(ObservedExpected, WithoutChiSquareTheTableIsAll) {
  Start(false, 8);
  ASSERT_EQ(session.questions.list.types[1], 5);
  ASSERT_FALSE(session.questions.chiSquarePart[1]);
  const LocusRule& locus = session.genetics.loci[1];
  session.genetics.objectClass[kFirstParentObject] = Heterozygote();
  session.genetics.objectClass[kSecondParentObject] = Heterozygote(1);
  Breed(ThreeToOne(Homozygote(locus.dominantAllele), Heterozygote(), Homozygote(locus.recessiveAllele)));
  Choose(1);
  ASSERT_EQ(RowsShown(1), 2);
  Fill(1, {3, 1}, {75, 25}, 100);
  MarkMe(1);
  EXPECT_TRUE(Record(1).completed);
  EXPECT_EQ(Record(1).mark, 5);
  EXPECT_EQ(Record(1).maximum, 5);
  for (const std::int32_t item : {kChiEntry, kShowCalculation, kHideCalculation}) {
    EXPECT_FALSE(service.ItemVisible(Window(1), item)) << item;
  }
}

TEST_F(ObservedExpected, TheCrossQuestionComesFirst) {
  Start(true, 2);
  Choose(2);
  EXPECT_EQ(service.ItemText(Window(2), kInstruction),
            "Please make sure you have the correct cross before trying this question. ");
  EXPECT_FALSE(service.ItemVisible(Window(2), kMark));
}

}  // namespace
}  // namespace crossmere
