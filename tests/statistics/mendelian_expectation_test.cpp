#include "statistics/mendelian_expectation.h"

#include <gtest/gtest.h>

#include "genetics/genotype_classes.h"
#include "tests/genetics/genetics_fixture.h"

namespace crossmere {
namespace {

using testing::ClassOfAlleles;
using testing::MakeGenetics;
using testing::TestLocus;

// A parent given as its two haplotypes at loci 1 and 2 (a male's X-linked
// alleles are the same on both).
struct Parent {
  std::int32_t sex = 0;
  std::array<std::int32_t, 4> a{};
  std::array<std::int32_t, 4> b{};
};

std::vector<std::int32_t> Parts(const ExpectedPhenotypes& expected) {
  std::vector<std::int32_t> parts;
  for (const PhenotypeRow& row : expected.rows) parts.push_back(row.part);
  return parts;
}

TEST(MendelianExpectation, GivesTheCrossRatioOfTheLociStudied) {
  struct Case {
    const char* what;
    std::vector<TestLocus> loci;
    Parent mother, father;
    std::vector<std::int32_t> studied;
    std::vector<std::int32_t> parts;
    std::int32_t sex;
  };
  const Parent het{0, {0, 1, 1, 0}, {0, 0, 0, 0}};
  const Parent hetMale{1, {0, 1, 1, 0}, {0, 0, 0, 0}};
  const Parent recessiveMale{1, {0, 0, 0, 0}, {0, 0, 0, 0}};
  const Parent dominantXMale{1, {0, 1, 0, 0}, {0, 1, 0, 0}};
  const Parent recessiveXMale{1, {0, 0, 0, 0}, {0, 0, 0, 0}};
  const Case cases[] = {
      {"intercross, dominance", {{5, 3}}, het, hetMale, {1}, {3, 1}, kBothSexes},
      {"intercross, no dominance", {{5, 2}}, het, hetMale, {1}, {1, 2, 1}, kBothSexes},
      {"testcross, dominance", {{5, 3}}, het, recessiveMale, {1}, {1, 1}, kBothSexes},
      {"testcross, no dominance: the dominant homozygote is not expected", {{5, 2}}, het, recessiveMale, {1},
       {0, 1, 1}, kBothSexes},
      {"dominant lethal: its homozygotes never count", {{5, 3, true}}, het, hetMale, {1}, {2, 1}, kBothSexes},
      {"two loci jointly", {{5, 3}, {8, 3}}, het, hetMale, {1, 2}, {9, 3, 3, 1}, kBothSexes},
      {"linked loci are expected to assort independently", {{5, 3}, {6, 3}}, het, hetMale, {1, 2},
       {9, 3, 3, 1}, kBothSexes},
      {"the second character alone", {{5, 3}, {8, 3}}, het, hetMale, {2}, {3, 1}, kBothSexes},
      {"X-linked intercross: only the sons segregate", {{2, 3}}, het, dominantXMale, {1}, {1, 1}, 1},
      {"X-linked testcross: both sexes segregate alike", {{2, 3}}, het, recessiveXMale, {1}, {1, 1}, kBothSexes},
  };
  for (const Case& c : cases) {
    const GeneticsState g = MakeGenetics(kFly, c.loci);
    const std::int32_t mother = ClassOfAlleles(g, c.mother.sex, c.mother.a, c.mother.b);
    const std::int32_t father = ClassOfAlleles(g, c.father.sex, c.father.a, c.father.b);
    for (const bool fatherFirst : {false, true}) {
      const ExpectedPhenotypes expected =
          fatherFirst ? ExpectPhenotypes(g, father, mother, c.studied) : ExpectPhenotypes(g, mother, father, c.studied);
      EXPECT_EQ(Parts(expected), c.parts) << c.what;
      EXPECT_EQ(expected.sex, c.sex) << c.what;
      for (const PhenotypeRow& row : expected.rows) {
        ASSERT_TRUE(ClassInExample(g, row.representative)) << c.what;
        EXPECT_EQ(g.classes[row.representative].Sex(), c.sex == 1 ? 1 : 0) << c.what;
        for (std::size_t i = 0; i < c.studied.size(); ++i) {
          EXPECT_EQ(LocusPhenotype(g, row.representative, c.studied[i]), row.values[i]) << c.what;
        }
      }
    }
  }
}

TEST(MendelianExpectation, RowsListTheDominantFormFirst) {
  for (const std::int32_t heterozygote : {1, 3}) {
    const GeneticsState g = MakeGenetics(kFly, {{5, heterozygote}});
    const std::vector<std::int32_t> forms = FormsOfLocus(g, 1);
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms.front(), heterozygote) << "the heterozygote shows the dominant form";
  }
}

TEST(MendelianExpectation, WithoutSexesEveryOffspringCounts) {
  const GeneticsState g = MakeGenetics(kPlant, {{5, 3}}, false);
  const std::int32_t het = ClassOfAlleles(g, 0, {0, 1, 0, 0}, {0, 0, 0, 0});
  const ClassCounts weights = MendelianOffspring(g, het, het);
  std::int32_t total = 0;
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    if (weights[static_cast<std::size_t>(c)] > 0) {
      EXPECT_EQ(g.classes[c].Sex(), 0);
    }
    total += weights[static_cast<std::size_t>(c)];
  }
  EXPECT_GT(total, 0);
  EXPECT_EQ(Parts(ExpectPhenotypes(g, het, het, {1})), (std::vector<std::int32_t>{3, 1}));
}

}  // namespace
}  // namespace crossmere
