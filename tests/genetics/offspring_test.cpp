#include <gtest/gtest.h>

#include "tests/genetics/genetics_fixture.h"

namespace crossmere::testing {
namespace {

struct InterferenceCase {
  double a, b;
  bool crossoverBefore;
  double chance;
};

TEST(Interference, WorkedValues) {
  EXPECT_NEAR(Coincidence(0.20, 0.20), 0.664, 0.0005);
  EXPECT_NEAR(Coincidence(0.10, 0.30), 0.664, 0.0005);
  for (const InterferenceCase c : {InterferenceCase{0.20, 0.20, true, 0.1328},
                                   InterferenceCase{0.20, 0.20, false, 0.2158},
                                   InterferenceCase{0.10, 0.30, true, 0.0664},
                                   InterferenceCase{0.10, 0.30, false, 0.1123},
                                   InterferenceCase{0.50, 0.0, false, 0.50}}) {
    EXPECT_NEAR(InterferedCrossoverChance(c.a, c.b, c.crossoverBefore), c.chance, 0.00051)
        << c.a << " " << c.b << " " << c.crossoverBefore;
  }
}

// A cross as a table row: loci, the parents' alleles, and how many offspring to draw.
struct CrossCase {
  const char* name;
  std::int32_t kind;
  std::vector<TestLocus> loci;
  std::array<std::int32_t, 4> motherA, motherB, fatherA, fatherB;
  bool sexes = true;
};

void PrintTo(const CrossCase& c, std::ostream* os) { *os << c.name; }

class CrossTest : public ::testing::TestWithParam<CrossCase> {};

// Offspring drawn from a fixed seed agree with the exact enumeration of gametes.
TEST_P(CrossTest, OffspringFollowTheEnumeratedDistribution) {
  const CrossCase& c = GetParam();
  GeneticsState g = MakeGenetics(c.kind, c.loci, c.sexes);
  SetParents(g, ClassOfAlleles(g, 0, c.motherA, c.motherB),
             ClassOfAlleles(g, c.sexes ? 1 : 0, c.fatherA, c.fatherB));
  const auto expected = ExpectedOffspring(g);
  OffspringState offspring;
  RandomGenerator random;
  random.RandomSeed(20261209);
  constexpr int kDraws = 20000;
  std::map<std::int32_t, int> observed;
  for (int i = 0; i < kDraws; ++i) ++observed[Mendel(g, offspring, random)];
  double chiSquare = 0;
  for (const auto& [cls, count] : observed) {
    ASSERT_TRUE(expected.count(cls)) << "class " << cls << " cannot arise";
  }
  for (const auto& [cls, p] : expected) {
    const double e = p * kDraws;
    const double o = observed.count(cls) ? observed.at(cls) : 0;
    chiSquare += (o - e) * (o - e) / e;
  }
  const auto df = static_cast<std::int32_t>(expected.size()) - 1;
  if (df > 0) {
    EXPECT_LT(chiSquare, ChiSquareCritical(df)) << df << " degrees of freedom";
  }
  EXPECT_EQ(g.classOffspringCount[observed.begin()->first], observed.begin()->second);
}

const std::vector<TestLocus> kDominant{{5, 3}};
const std::vector<TestLocus> kTwoUnlinked{{5, 3}, {8, 3}};
const std::vector<TestLocus> kTwoLinked{{5, 3}, {6, 3}};

INSTANTIATE_TEST_SUITE_P(
    Crosses, CrossTest,
    ::testing::Values(
        CrossCase{"Intercross", kMonkbear, kDominant, {0, 1}, {0, 0}, {0, 1}, {0, 0}},
        CrossCase{"Testcross", kMonkbear, kDominant, {0, 1}, {0, 0}, {0, 0}, {0, 0}},
        CrossCase{"Intermediate", kMonkbear, {{5, 2}}, {0, 1}, {0, 0}, {0, 1}, {0, 0}},
        CrossCase{"Lethal", kMonkbear, {{5, 3, true}}, {0, 1}, {0, 0}, {0, 1}, {0, 0}},
        CrossCase{"XLinked", kFly, {{2, 1}}, {0, 1}, {0, 0}, {0, 0}, {0, 0}},
        CrossCase{"XLinkedReciprocal", kFly, {{2, 1}}, {0, 0}, {0, 0}, {0, 1}, {0, 1}},
        CrossCase{"TwoUnlinkedIntercross", kPlant, kTwoUnlinked, {0, 1, 1}, {0, 0, 0}, {0, 1, 1},
                  {0, 0, 0}, false},
        CrossCase{"TwoUnlinkedTestcross", kPlant, kTwoUnlinked, {0, 1, 1}, {0, 0, 0}, {0, 0, 0},
                  {0, 0, 0}, false},
        CrossCase{"TwoLinked", kMonkbear, kTwoLinked, {0, 1, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
        CrossCase{"ThreeLinked", kMonkbear, {{5, 3}, {6, 3}, {7, 3}}, {0, 1, 1, 1}, {0, 0, 0, 0},
                  {0, 0, 0, 0}, {0, 0, 0, 0}},
        CrossCase{"MaleFlyFather", kFly, kTwoLinked, {0, 0, 0}, {0, 0, 0}, {0, 1, 1}, {0, 0, 0}},
        CrossCase{"FlyMother", kFly, kTwoLinked, {0, 1, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}),
    [](const ::testing::TestParamInfo<CrossCase>& info) { return std::string(info.param.name); });

// The enumeration itself gives the textbook ratios.
TEST(ExpectedOffspring, TextbookRatios) {
  GeneticsState g = MakeGenetics(kPlant, kTwoUnlinked, false);
  SetParents(g, ClassOfAlleles(g, 0, {0, 1, 1}, {0, 0, 0}), ClassOfAlleles(g, 0, {0, 1, 1}, {0, 0, 0}));
  std::map<std::int32_t, double> byPhenotype;
  for (const auto& [c, p] : ExpectedOffspring(g)) byPhenotype[g.phenotypeClassNumber[c]] += p;
  ASSERT_EQ(byPhenotype.size(), 4u);
  EXPECT_NEAR(byPhenotype[0], 1.0 / 16, 1e-9);  // both recessive
  EXPECT_NEAR(byPhenotype[2 * 3 + 2], 9.0 / 16, 1e-9);

  GeneticsState lethal = MakeGenetics(kMonkbear, {{5, 3, true}}, false);
  SetParents(lethal, ClassOfAlleles(lethal, 0, {0, 1}, {0, 0}), ClassOfAlleles(lethal, 0, {0, 1}, {0, 0}));
  double dominantLook = 0;
  for (const auto& [c, p] : ExpectedOffspring(lethal)) dominantLook += LocusPhenotype(lethal, c, 1) == 3 ? p : 0;
  EXPECT_NEAR(dominantLook, 2.0 / 3, 1e-9);

  GeneticsState linked = MakeGenetics(kMonkbear, kTwoLinked, false);
  SetParents(linked, ClassOfAlleles(linked, 0, {0, 1, 1}, {0, 0, 0}), ClassOfAlleles(linked, 0, {0, 0, 0}, {0, 0, 0}));
  double recombinant = 0;
  for (const auto& [c, p] : ExpectedOffspring(linked)) {
    recombinant += LocusPhenotype(linked, c, 1) != LocusPhenotype(linked, c, 2) ? p : 0;
  }
  EXPECT_NEAR(recombinant, 0.20, 1e-9);
}

TEST(Mendel, SonsTakeTheirXFromTheirMother) {
  GeneticsState g = MakeGenetics(kFly, {{2, 1}});
  SetParents(g, ClassOfAlleles(g, 0, {0, 0}, {0, 0}), ClassOfAlleles(g, 1, {0, 1}, {0, 1}));
  OffspringState offspring;
  RandomGenerator random;
  for (int i = 0; i < 500; ++i) {
    const Genotype& child = g.classes[Mendel(g, offspring, random)];
    if (child.Sex() == 1) {
      EXPECT_EQ(child.hap1[2], 0);
      EXPECT_EQ(child.hap2[2], 0) << "stored as a homozygote of his mother's allele";
    } else {
      EXPECT_EQ(child.hap2[2], 1) << "daughters have their father's X";
    }
  }
}

TEST(Mendel, HiddenSexMotherGivesHaplotypeOneFromEitherPlace) {
  GeneticsState g = MakeGenetics(kMonkbear, {{2, 1}});
  g.hiddenSex = true;
  SetParents(g, ClassOfAlleles(g, 1, {0, 1}, {0, 1}), ClassOfAlleles(g, 0, {0, 0}, {0, 0}));
  OffspringState offspring;
  RandomGenerator random;
  for (int i = 0; i < 200; ++i) {
    const Genotype& child = g.classes[Mendel(g, offspring, random)];
    if (child.Sex() == 1) {
      EXPECT_EQ(child.hap1[2], 0) << "sons get the mother's X";
    }
  }
}

class NewOffspringTest : public ::testing::Test {
 protected:
  NewOffspringTest() : g(MakeGenetics(kMonkbear, kDominant)) {
    SetParents(g, ClassOfAlleles(g, 0, {0, 1}, {0, 1}), ClassOfAlleles(g, 1, {0, 1}, {0, 1}));
  }
  GeneticsState g;
  OffspringState offspring;
  RandomGenerator random;
};

TEST_F(NewOffspringTest, RefusalsAndTrueBreeding) {
  auto made = NewOffspring(g, offspring, random, false, 1000);
  ASSERT_EQ(made.outcome, OffspringOutcome::Made);
  EXPECT_EQ(made.object, kFirstOffspringObject);
  EXPECT_EQ(offspring.trueBreedingCross[made.object], 1) << "AA x AA breeds true";
  EXPECT_TRUE(made.pictureNeeded);
  OffspringShown(offspring, made.object, 1000);
  EXPECT_EQ(NewOffspring(g, offspring, random, false, 1001).outcome, OffspringOutcome::Pending);
  offspring.pending = 0;
  g.objectClass[kSecondParentObject] = 0;
  EXPECT_EQ(NewOffspring(g, offspring, random, false, 1002).outcome, OffspringOutcome::NoParents);
  SetParents(g, ClassOfAlleles(g, 0, {0, 1}, {0, 1}), ClassOfAlleles(g, 0, {0, 0}, {0, 0}));
  g.hiddenSex = true;
  EXPECT_EQ(NewOffspring(g, offspring, random, false, 1003).outcome, OffspringOutcome::Infertile);
}

TEST_F(NewOffspringTest, FourHundredAndTenObjectsAtMost) {
  for (std::int32_t i = 0; i < 410; ++i) {
    const auto made = NewOffspring(g, offspring, random, false, 0);
    ASSERT_EQ(made.outcome, OffspringOutcome::Made) << i;
    offspring.pending = 0;
  }
  EXPECT_EQ(NewOffspring(g, offspring, random, false, 0).outcome, OffspringOutcome::NoRoom);
  g.objectClass[300] = 0;
  EXPECT_EQ(NewOffspring(g, offspring, random, false, 0).object, 300) << "the first free number";
}

TEST_F(NewOffspringTest, QuickRequestsDropThePause) {
  offspring.lastOffspringTime = 0;
  auto first = NewOffspring(g, offspring, random, false, 1000);
  EXPECT_EQ(first.waitTicks, 60);
  OffspringShown(offspring, first.object, 1000);
  offspring.pending = 0;
  EXPECT_EQ(NewOffspring(g, offspring, random, false, 1050).waitTicks, 0) << "within 120 ticks";
  EXPECT_EQ(offspring.counters, (std::array<std::int32_t, 3>{1, 1, 1}));
}

TEST(ForcedHomologs, FirstFourOffspringOfGettingStarted) {
  GeneticsState g = MakeGenetics(kMonkbear, kDominant, false);
  // The mother is heterozygous at position 5; the father homozygous recessive.
  SetParents(g, ClassOfAlleles(g, 0, {0, 1}, {0, 0}), ClassOfAlleles(g, 0, {0, 0}, {0, 0}));
  RandomGenerator random;
  random.RandomSeed(7);
  OffspringState offspring;
  offspring.forcedHomologs = DrawForcedHomologs(random);
  EXPECT_EQ(offspring.forcedHomologs[0] + offspring.forcedHomologs[1] + offspring.forcedHomologs[2] +
                offspring.forcedHomologs[3], 2);
  offspring.gettingStarted = true;
  for (int i = 0; i < 4; ++i) {
    const Genotype& child = g.classes[Mendel(g, offspring, random)];
    // Homolog 0 of the mother carries allele 1 at position 5.
    EXPECT_EQ(child.hap1[5], 1 - offspring.forcedHomologs[i]) << "offspring " << i + 1;
  }
  EXPECT_EQ(offspring.forcedCounter, 8);
}

}  // namespace
}  // namespace crossmere::testing
