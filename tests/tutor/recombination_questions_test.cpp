#include <map>

#include <gtest/gtest.h>

#include "genetics/genotype_classes.h"
#include "tests/tutor/questions_fixture.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace crossmere::testing;

constexpr std::int32_t kFirstPlace = 311;
constexpr std::int32_t kMeasured = 330;
constexpr std::int32_t kFirstEntry = 51;
constexpr std::int32_t kFirstAnswer = 61;
constexpr std::int32_t kReason = 306;

// A student measuring recombination between the two loci of B15.
class RecombinationQuestions : public Questions {
 protected:
  // Alleles at loci 1 and 2 on each chromosome.
  using Chromosome = std::array<std::int32_t, 2>;

  std::int32_t ClassOf(std::int32_t sex, Chromosome first, Chromosome second) {
    const GeneticsState& g = session.genetics;
    for (std::int32_t c = 1; c <= kClassCount; ++c) {
      const Genotype& genotype = g.classes[c];
      bool fits = genotype.Sex() == sex && ClassInExample(g, c);
      for (std::int32_t k = 0; k < 2; ++k) {
        const std::int32_t position = g.locusPosition[k + 1];
        fits = fits && genotype.hap1[position] == first[static_cast<std::size_t>(k)] &&
               genotype.hap2[position] == second[static_cast<std::size_t>(k)];
      }
      if (fits) return c;
    }
    ADD_FAILURE() << "no such class";
    return 1;
  }

  Chromosome Dominant() { return {session.genetics.loci[1].dominantAllele, session.genetics.loci[2].dominantAllele}; }
  Chromosome Recessive() { return {session.genetics.loci[1].recessiveAllele, session.genetics.loci[2].recessiveAllele}; }
  std::int32_t MaleSex() { return session.genetics.hermaphrodite ? 0 : 1; }

  void Cross(std::int32_t mother, std::int32_t father) {
    session.genetics.objectClass[kFirstParentObject] = mother;
    session.genetics.objectClass[kSecondParentObject] = father;
  }

  // Offspring by the chromosome they had from their mother.
  void Breed(const std::map<Chromosome, std::int32_t>& gametes) {
    session.offspring.crossClassCount.fill(0);
    session.offspring.counters[2] = 0;
    for (const auto& [chromosome, count] : gametes) {
      session.offspring.crossClassCount[static_cast<std::size_t>(ClassOf(0, chromosome, Recessive()))] += count;
      session.offspring.counters[2] += count;
    }
  }

  void Enter(std::int32_t q, const std::array<const char*, 3>& figures) {
    for (std::int32_t k = 0; k < 3; ++k) service.PressKey(Window(q), kFirstEntry + k, figures[static_cast<std::size_t>(k)]);
  }
};

TEST_F(RecombinationQuestions, TwoCrossesAndTheirEstimates) {
  Start(true, 15);
  ASSERT_EQ(session.questions.list.types[1], 30);
  ASSERT_EQ(session.questions.list.types[2], 28);
  ASSERT_EQ(session.questions.list.types[3], 31);
  ASSERT_EQ(session.questions.list.types[4], 29);
  ASSERT_EQ(session.genetics.lociCount, 2);
  const Chromosome dominant = Dominant();
  const Chromosome recessive = Recessive();
  const Chromosome mixedA{dominant[0], recessive[1]};
  const Chromosome mixedB{recessive[0], dominant[1]};
  const std::int32_t father = ClassOf(MaleSex(), recessive, recessive);

  Choose(2);
  EXPECT_EQ(service.ItemText(Window(2), kInstruction),
            "Please confirm that you have the correct cross set up before attempting this question.");
  EXPECT_FALSE(service.ItemVisible(Window(2), kMark));

  Choose(1);
  MarkMe(1);
  ASSERT_FALSE(service.Transcript().empty());
  EXPECT_EQ(service.Transcript().back().text, "Hmmm!!!!");
  EXPECT_FALSE(Record(1).completed);

  // Both parents double heterozygous: the other parent must be recessive.
  Cross(ClassOf(0, dominant, recessive), ClassOf(MaleSex(), dominant, recessive));
  Answer(1, kFirstPlace);
  MarkMe(1);
  EXPECT_EQ(Bad(1), "Cross is incorrect");
  EXPECT_EQ(service.ItemText(Window(1), kReason), "The other parent should be recessive at both loci");
  EXPECT_EQ(Record(1).mark, 0);

  Cross(ClassOf(0, dominant, recessive), father);
  MarkMe(1);
  ASSERT_TRUE(Record(1).completed);
  EXPECT_EQ(Good(1), "Good.  Please generate offspring now.");
  EXPECT_TRUE(service.ItemVisible(Window(1), kFirstPlace)) << "the choice stays in sight";
  EXPECT_TRUE(session.cross.parentsLocked);

  Breed({{dominant, 45}, {recessive, 40}, {mixedA, 8}, {mixedB, 7}});
  Choose(2);
  EXPECT_NE(service.ItemText(Window(2), kMeasured).find("Estimating recombination in:"), std::string::npos);
  Enter(2, {"100", "15", "15"});
  MarkMe(2);
  EXPECT_TRUE(Record(2).completed);
  EXPECT_EQ(Record(2).mark, 3);
  EXPECT_EQ(Good(2), "Good!");
  EXPECT_FALSE(session.cross.parentsLocked) << "the second cross question needs a new cross";

  Choose(3);
  Answer(3, kFirstPlace);
  MarkMe(3);
  EXPECT_EQ(service.ItemText(Window(3), kReason), "This is the same genotype as previously.");
  Cross(ClassOf(0, mixedA, mixedB), father);
  MarkMe(3);
  ASSERT_TRUE(Record(3).completed);

  // In repulsion the parental chromosomes are the mixed ones.
  Breed({{mixedA, 40}, {mixedB, 44}, {dominant, 9}, {recessive, 7}});
  Choose(4);
  Enter(4, {"100", "16", "20"});
  MarkMe(4);
  EXPECT_TRUE(Record(4).completed);
  EXPECT_EQ(Record(4).mark, 2);
  EXPECT_EQ(service.ItemText(Window(4), kFirstAnswer + 2), "16") << "the program's percentage beside the wrong one";
  EXPECT_EQ(service.ItemText(Window(4), kFirstAnswer), "\u2713");
}

TEST_F(RecombinationQuestions, AnEstimateNeedsEnoughOffspring) {
  Start(true, 15);
  const Chromosome dominant = Dominant();
  const Chromosome recessive = Recessive();
  Cross(ClassOf(0, dominant, recessive), ClassOf(MaleSex(), recessive, recessive));
  Choose(1);
  Answer(1, kFirstPlace);
  MarkMe(1);
  ASSERT_TRUE(Record(1).completed);
  Breed({{dominant, 50}, {recessive, 49}});
  Choose(2);
  Enter(2, {"99", "0", "0"});
  MarkMe(2);
  EXPECT_FALSE(Record(2).completed);
  EXPECT_EQ(Bad(2), "Please produce at least 100 offspring before estimating recombination.");
}

}  // namespace
}  // namespace crossmere
