#include <algorithm>

#include <gtest/gtest.h>

#include "genetics/genotype_classes.h"
#include "tests/genetics/genetics_fixture.h"
#include "tests/tutor/questions_fixture.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace crossmere::testing;

constexpr std::int32_t kFirstPlace = 311;
constexpr std::int32_t kFirstSlot = 601;
constexpr std::int32_t kFirstTile = 801;
constexpr std::int32_t kFirstDistance = 221;
constexpr std::int32_t kFirstDistanceAnswer = 231;
constexpr std::int32_t kInterference = 50;
constexpr std::int32_t kInterferenceAnswer = 51;
constexpr std::int32_t kSymbolsLine = 306;

// B17: a three-point testcross set up, bred, mapped and its interference
// estimated.
class ThreePointQuestions : public Questions {
 protected:
  // Loci 1..3 sorted by their place on the chromosome.
  std::array<std::int32_t, 3> Order() {
    std::array<std::int32_t, 3> order{1, 2, 3};
    std::sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
      return session.genetics.locusPosition[a] < session.genetics.locusPosition[b];
    });
    return order;
  }

  // A genotype with the alleles of loci 1..3 on each chromosome.
  std::int32_t ClassOf(std::int32_t sex, std::array<std::int32_t, 4> first, std::array<std::int32_t, 4> second) {
    const std::int32_t c = ClassOfAlleles(session.genetics, sex, first, second);
    EXPECT_TRUE(ClassInExample(session.genetics, c));
    return c;
  }

  std::array<std::int32_t, 4> Dominant() {
    const auto& loci = session.genetics.loci;
    return {0, loci[1].dominantAllele, loci[2].dominantAllele, loci[3].dominantAllele};
  }
  std::array<std::int32_t, 4> Recessive() {
    const auto& loci = session.genetics.loci;
    return {0, loci[1].recessiveAllele, loci[2].recessiveAllele, loci[3].recessiveAllele};
  }

  // The testcross confirmed and bred: offspring by which of the mother's
  // chromosomes each locus (left, middle, right on the chromosome) came from.
  void CrossAndBreed(double scale) {
    Start(true, 17);
    ASSERT_EQ(session.questions.list.types[1], 30);
    ASSERT_EQ(session.questions.list.types[2], 33);
    ASSERT_EQ(session.questions.list.types[3], 34);
    ASSERT_EQ(session.genetics.lociCount, 3);
    const std::int32_t male = session.genetics.hermaphrodite ? 0 : 1;
    session.genetics.objectClass[kFirstParentObject] = ClassOf(0, Dominant(), Recessive());
    session.genetics.objectClass[kSecondParentObject] = ClassOf(male, Recessive(), Recessive());
    Choose(1);
    Answer(1, kFirstPlace);
    MarkMe(1);
    ASSERT_TRUE(Record(1).completed) << Bad(1);

    struct Kind {
      std::array<bool, 3> fromFirst;  // left, middle, right
      std::int32_t count;
    };
    const Kind kinds[] = {{{true, true, true}, 350},   {{false, false, false}, 340}, {{true, false, false}, 100},
                          {{false, true, true}, 110},  {{true, true, false}, 40},    {{false, false, true}, 50},
                          {{true, false, true}, 6},    {{false, true, false}, 4}};
    session.offspring.crossClassCount.fill(0);
    session.offspring.counters[2] = 0;
    const std::array<std::int32_t, 3> order = Order();
    for (const Kind& kind : kinds) {
      std::array<std::int32_t, 4> chromosome{};
      for (std::size_t i = 0; i < 3; ++i) {
        const auto locus = static_cast<std::size_t>(order[i]);
        chromosome[locus] = kind.fromFirst[i] ? Dominant()[locus] : Recessive()[locus];
      }
      const auto count = static_cast<std::int32_t>(kind.count * scale);
      session.offspring.crossClassCount[static_cast<std::size_t>(ClassOf(0, chromosome, Recessive()))] += count;
      session.offspring.counters[2] += count;
    }
  }

  void Place(const std::array<std::int32_t, 3>& loci) {
    for (std::int32_t k = 0; k < 3; ++k) service.DragSymbol(Window(2), kFirstTile + loci[static_cast<std::size_t>(k)] - 1, kFirstSlot + k);
  }
  void Distances(const char* first, const char* second) {
    service.PressKey(Window(2), kFirstDistance, first);
    service.PressKey(Window(2), kFirstDistance + 1, second);
  }
};

TEST_F(ThreePointQuestions, AMapNeeds150Offspring) {
  CrossAndBreed(0.149);
  Choose(2);
  Place(Order());
  Distances("22", "10");
  MarkMe(2);
  EXPECT_FALSE(Record(2).completed);
  EXPECT_EQ(Bad(2), "You need to generate at least 150 offspring before attempting this question.");
}

TEST_F(ThreePointQuestions, TheMapAndItsInterference) {
  CrossAndBreed(1.0);
  Choose(2);
  // Read from the right end, the map is the same map.
  const std::array<std::int32_t, 3> order = Order();
  Place({order[2], order[1], order[0]});
  Distances("10", "22");
  MarkMe(2);
  EXPECT_TRUE(Record(2).completed);
  EXPECT_EQ(Record(2).mark, 6);
  EXPECT_EQ(Good(2), "Good!");

  // 22 % of 10 % of 1000 = 22 double crossovers expected, 10 seen: 0.55.
  Choose(3);
  service.PressKey(Window(3), kInterference, "0.53");
  MarkMe(3);
  EXPECT_TRUE(Record(3).completed);
  EXPECT_EQ(Record(3).mark, 1);
}

TEST_F(ThreePointQuestions, WrongAnswersShowTheComputers) {
  CrossAndBreed(1.0);
  Choose(2);
  const std::array<std::int32_t, 3> order = Order();
  Place({order[1], order[0], order[2]});  // the middle locus at an end
  Distances("22", "11");
  MarkMe(2);
  EXPECT_TRUE(Record(2).completed);
  EXPECT_EQ(Record(2).mark, 3) << "no marks for the symbols, 2 for one distance, 1 for one a centimorgan out";
  EXPECT_EQ(service.ItemText(Window(2), kSymbolsLine), "Computer's symbols shown in red alongside yours.");
  EXPECT_EQ(service.ItemText(Window(2), kFirstDistanceAnswer + 1), "10");

  Choose(3);
  service.PressKey(Window(3), kInterference, "0.50");
  MarkMe(3);
  EXPECT_EQ(Record(3).mark, 0);
  EXPECT_EQ(service.ItemText(Window(3), kInterferenceAnswer), "0.55");
}

}  // namespace
}  // namespace crossmere
