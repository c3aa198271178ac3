#include <gtest/gtest.h>

#include <set>

#include "genetics/characters.h"
#include "tests/genetics/genetics_fixture.h"

namespace crossmere::testing {
namespace {

TEST(GenotypeClasses, OneLocusClassesAndStockMark) {
  GeneticsState g = MakeGenetics(kMonkbear, {{5, 3}});
  std::set<std::int32_t> all(g.classIndexTable.begin(), g.classIndexTable.end());
  EXPECT_EQ(all.size(), 128u) << "every index names a different class";
  EXPECT_EQ(*all.begin(), 1);
  // Sex x allele on haplotype 1 x allele on haplotype 2: classes 1..8.
  for (std::int32_t s = 0; s <= 1; ++s) {
    for (std::int32_t a = 0; a <= 1; ++a) {
      for (std::int32_t b = 0; b <= 1; ++b) {
        const std::int32_t c = ClassOfAlleles(g, s, {0, a}, {0, b});
        EXPECT_LE(c, 8);
        EXPECT_EQ(g.classes[c + kStockMark].Sum(5), g.classes[c].Sum(5)) << "stock looks the same";
        EXPECT_EQ(g.phenotypeClassNumber[c + kStockMark], g.phenotypeClassNumber[c]);
      }
    }
  }
}

TEST(GenotypeClasses, OnlyTheExamplesOwnClassesExist) {
  const GeneticsState one = MakeGenetics(kMonkbear, {{5, 3}});
  std::int32_t count = 0;
  for (std::int32_t c = 1; c <= kClassCount; ++c) count += ClassInExample(one, c) ? 1 : 0;
  EXPECT_EQ(count, 16) << "sex x two alleles x two alleles, with and without the stock mark";
  EXPECT_FALSE(ClassInExample(one, ClassOfAlleles(one, 0, {0, 0, 1}, {0, 0, 0}))) << "an allele at a locus it lacks";
  EXPECT_FALSE(ClassInExample(one, 0));
  EXPECT_FALSE(ClassInExample(one, 129));

  const GeneticsState plants = MakeGenetics(kPlant, {{5, 3}}, false);
  EXPECT_FALSE(ClassInExample(plants, ClassOfAlleles(plants, 1, {0, 0}, {0, 0}))) << "no males without sexes";
  EXPECT_TRUE(ClassInExample(plants, ClassOfAlleles(plants, 0, {0, 1}, {0, 0})));

  const GeneticsState xLinked = MakeGenetics(kFly, {{3, 3}});
  EXPECT_FALSE(ClassInExample(xLinked, ClassOfAlleles(xLinked, 1, {0, 1}, {0, 0}))) << "a heterozygous male";
  EXPECT_TRUE(ClassInExample(xLinked, ClassOfAlleles(xLinked, 1, {0, 1}, {0, 1})));

  const GeneticsState lethal = MakeGenetics(kMonkbear, {{5, 3, true}});
  EXPECT_FALSE(ClassInExample(lethal, ClassOfAlleles(lethal, 0, {0, 1}, {0, 1}))) << "never born";
}

TEST(GenotypeClasses, SwappedHaplotypesAreOneGenotype) {
  GeneticsState g = MakeGenetics(kMonkbear, {{5, 3}, {6, 2}, {8, 1}});
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    const Genotype& genotype = g.classes[c];
    std::array<std::int32_t, 4> a{}, b{};
    for (std::int32_t k = 1; k <= 3; ++k) {
      a[k] = genotype.hap1[g.locusPosition[k]];
      b[k] = genotype.hap2[g.locusPosition[k]];
    }
    const std::int32_t swapped = ClassOfAlleles(g, genotype.hap2[1], b, a);
    EXPECT_EQ(g.genotypeEquivalence[c], g.genotypeEquivalence[swapped]);
    EXPECT_EQ(g.phenotypeClassNumber[c], g.phenotypeClassNumber[swapped]);
  }
  // Linked double heterozygotes in coupling and repulsion differ; phase against
  // the unlinked third locus does not matter.
  const auto coupling = ClassOfAlleles(g, 0, {0, 1, 1, 0}, {0, 0, 0, 1});
  const auto repulsion = ClassOfAlleles(g, 0, {0, 1, 0, 0}, {0, 0, 1, 1});
  const auto couplingOtherPhase = ClassOfAlleles(g, 0, {0, 1, 1, 1}, {0, 0, 0, 0});
  EXPECT_NE(g.genotypeEquivalence[coupling], g.genotypeEquivalence[repulsion]);
  EXPECT_EQ(g.genotypeEquivalence[coupling], g.genotypeEquivalence[couplingOtherPhase]);
  EXPECT_EQ(g.phenotypeClassNumber[ClassOfAlleles(g, 1, {0, 1, 1, 1}, {0, 1, 1, 1})], 53);
}

struct TextCase {
  const char* name;
  std::int32_t position;
  std::int32_t heterozygote;
  char symbol;
  bool wild;
  std::int32_t sex;
  std::int32_t a, b;
  const char* text;
};

void PrintTo(const TextCase& t, std::ostream* os) { *os << t.name; }

class GenotypeTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(GenotypeTextTest, Writes) {
  const TextCase& t = GetParam();
  GeneticsState g = MakeGenetics(kFly, {{t.position, t.heterozygote}});
  g.upperSymbol[2] = static_cast<char>(std::toupper(t.symbol));
  g.lowerSymbol[2] = static_cast<char>(std::tolower(t.symbol));
  g.wildNotation = t.wild;
  BuildGenotypeTexts(g);
  EXPECT_EQ(GenotypeText(g, ClassOfAlleles(g, t.sex, {0, t.a}, {0, t.b})), t.text);
}

INSTANTIATE_TEST_SUITE_P(
    Notation, GenotypeTextTest,
    ::testing::Values(TextCase{"DominantMutant", 5, 3, 'c', false, 0, 0, 1, "Cc"},
                      TextCase{"DominantMutantWild", 5, 3, 'c', true, 0, 1, 0, "C+"},
                      TextCase{"RecessiveMutant", 5, 1, 'w', false, 0, 1, 1, "ww"},
                      TextCase{"RecessiveHeterozygote", 5, 1, 'w', false, 0, 1, 0, "Ww"},
                      TextCase{"RecessiveWild", 5, 1, 'w', true, 0, 0, 0, "++"},
                      TextCase{"HemizygousMale", 2, 3, 'w', false, 1, 0, 0, "wY"},
                      TextCase{"HemizygousMaleWild", 2, 1, 'w', true, 1, 0, 0, "+Y"},
                      TextCase{"NarrowLetter", 5, 1, 'l', false, 0, 0, 0, "L L"},
                      TextCase{"NarrowHeterozygote", 5, 3, 'i', false, 0, 1, 0, "I i"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(GeneSymbols, OnlyLetters) {
  EXPECT_EQ(GeneSymbolProblem('3'), "3 is not a valid gene symbol");
  EXPECT_EQ(GeneSymbolProblem('+'), "+ is not a valid gene symbol");
  EXPECT_EQ(GeneSymbolProblem('q'), std::nullopt);
  EXPECT_EQ(GeneSymbolProblem('Z'), std::nullopt);
}

class CharacterChoiceTest : public ::testing::Test {
 protected:
  GeneticsState Choose(std::int32_t kind, std::int32_t n, std::int32_t seed,
                       std::array<bool, kMaxCharacter + 1>& excluded) {
    GeneticsState g;
    g.kind = kind;
    g.lociCount = n;
    RandomGenerator random;
    random.RandomSeed(seed);
    CharacterChoice choice;
    choice.options = &options;
    ChooseCharacters(g, random, choice, excluded, &alerts);
    return g;
  }
  ExerciseOptions options;
  std::vector<std::string> alerts;
};

TEST_F(CharacterChoiceTest, LociNeverShareACharacter) {
  options.Set(64);
  for (std::int32_t seed = 0; seed < 300; ++seed) {
    std::array<bool, kMaxCharacter + 1> excluded{};
    const GeneticsState g = Choose(seed % 4 + 1, 3, seed, excluded);
    std::set<std::int32_t> characters{g.loci[1].character, g.loci[2].character, g.loci[3].character};
    ASSERT_EQ(characters.size(), 3u) << "seed " << seed;
    for (const std::int32_t c : characters) {
      EXPECT_GE(c, 2);
      EXPECT_LE(c, CharacterCount(g.kind));
    }
    for (std::int32_t c = 1; c <= CharacterCount(g.kind); ++c) EXPECT_EQ(g.backgroundValues[c], 1);
  }
  EXPECT_TRUE(alerts.empty());
}

TEST_F(CharacterChoiceTest, TooManyExclusionsAreDropped) {
  std::array<bool, kMaxCharacter + 1> excluded{};
  for (std::int32_t c = 2; c <= 7; ++c) excluded[c] = c != 4;  // only "Stripe" left for three loci
  const GeneticsState g = Choose(kDinosaurDog, 3, 11, excluded);
  EXPECT_EQ(std::count(excluded.begin(), excluded.end(), true), 0);
  EXPECT_NE(g.loci[1].character, g.loci[2].character);
}

TEST_F(CharacterChoiceTest, ExcludedCharactersAreAvoided) {
  for (std::int32_t seed = 0; seed < 50; ++seed) {
    std::array<bool, kMaxCharacter + 1> excluded{};
    excluded[2] = excluded[3] = true;
    const GeneticsState g = Choose(kFly, 2, seed, excluded);
    for (std::int32_t k = 1; k <= 3; ++k) {
      EXPECT_NE(g.loci[k].character, 2);
      EXPECT_NE(g.loci[k].character, 3);
    }
  }
}

TEST_F(CharacterChoiceTest, LethalLociAreFullyDominant) {
  options.Set(65);   // intermediate
  options.Set(104);  // always a lethal locus
  for (std::int32_t seed = 0; seed < 100; ++seed) {
    std::array<bool, kMaxCharacter + 1> excluded{};
    const GeneticsState g = Choose(kMonkbear, 2, seed, excluded);
    int lethal = 0;
    for (std::int32_t k = 1; k <= 2; ++k) {
      const LocusRule& locus = g.loci[k];
      if (!locus.lethal) {
        EXPECT_EQ(locus.phenotype[1], 2);
        continue;
      }
      ++lethal;
      EXPECT_EQ(locus.phenotype[1], locus.phenotype[2 * locus.dominantAllele])
          << "heterozygotes look like the missing lethal homozygote";
    }
    EXPECT_EQ(lethal, 1);
  }
}

TEST_F(CharacterChoiceTest, RandomBackgroundCharacters) {
  std::array<bool, kMaxCharacter + 1> excluded{};
  GeneticsState g;
  g.kind = kMonkbear;
  RandomGenerator random;
  CharacterChoice choice;
  choice.options = &options;
  choice.randomBackground = true;
  std::set<std::int32_t> values;
  for (std::int32_t seed = 0; seed < 20; ++seed) {
    random.RandomSeed(seed);
    ChooseCharacters(g, random, choice, excluded, nullptr);
    for (std::int32_t c = 1; c <= 9; ++c) values.insert(g.backgroundValues[c]);
  }
  EXPECT_EQ(values, (std::set<std::int32_t>{1, 2, 3}));
}

}  // namespace
}  // namespace crossmere::testing
