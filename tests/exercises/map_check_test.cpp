#include "exercises/map_check.h"

#include <gtest/gtest.h>

#include "tests/genetics/genetics_fixture.h"

namespace crossmere {
namespace {

TEST(MapCheck, GenotypeCountsOfTheSevenConfigurations) {
  const std::array<std::int32_t, 7> expected{72, 60, 54, 44, 42, 50, 45};
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(GenotypeCount(GenotypeConfigurations()[k]), expected[k]) << "configuration " << k + 1;
  }
}

TEST(MapCheck, TheOptionOfEachArrangement) {
  struct Case {
    std::array<std::int32_t, 3> positions;
    bool unlinked12, unlinked13, unlinked23;
    LinkageOption option;
  };
  const Case cases[] = {
      {{5, 6, 7}, false, false, false, LinkageOption::Order123},
      {{5, 7, 6}, false, false, false, LinkageOption::Order132},
      {{6, 5, 7}, false, false, false, LinkageOption::Order213},
      {{2, 3, 4}, false, false, false, LinkageOption::Order123},
      {{5, 6, 8}, false, true, true, LinkageOption::FirstSecond},
      {{5, 8, 6}, true, false, true, LinkageOption::FirstThird},
      {{2, 5, 6}, true, true, false, LinkageOption::SecondThird},
      {{5, 8, 10}, true, true, true, LinkageOption::AllUnlinked},
      {{2, 3, 5}, false, true, true, LinkageOption::FirstSecond},
      {{2, 5, 8}, true, true, true, LinkageOption::AllUnlinked},
  };
  for (const Case& c : cases) {
    GeneticsState g;
    g.lociCount = 3;
    g.locusPosition = {1, c.positions[0], c.positions[1], c.positions[2]};
    g.unlinked12 = c.unlinked12;
    g.unlinked13 = c.unlinked13;
    g.unlinked23 = c.unlinked23;
    EXPECT_EQ(LinkageOf(g), c.option) << c.positions[0] << c.positions[1] << c.positions[2];
  }
}

}  // namespace
}  // namespace crossmere

namespace crossmere {
namespace {

// Three linked loci (positions 5, 7, 6: the third locus lies in the middle),
// measured in a female with all first alleles on one chromosome.
TEST(MapCheck, CountsTheThreePointTestcross) {
  GeneticsState g = testing::MakeGenetics(kDinosaurDog, {{5, 3}, {7, 3}, {6, 3}});
  const std::int32_t mother = testing::ClassOfAlleles(g, 0, {0, 1, 1, 1}, {0, 0, 0, 0});
  const auto child = [&](std::int32_t a, std::int32_t b, std::int32_t c) {
    return static_cast<std::size_t>(testing::ClassOfAlleles(g, 0, {0, a, b, c}, {0, 0, 0, 0}));
  };
  ClassCounts offspring{};
  offspring[child(1, 1, 1)] = 350;  // parental
  offspring[child(0, 0, 0)] = 340;
  offspring[child(1, 0, 0)] = 100;  // locus 1 apart from 3 and 2: left interval
  offspring[child(0, 1, 1)] = 110;
  offspring[child(1, 0, 1)] = 40;   // locus 2 apart from 1 and 3: right interval
  offspring[child(0, 1, 0)] = 50;
  offspring[child(1, 1, 0)] = 6;    // the middle locus (3) apart: doubles
  offspring[child(0, 0, 1)] = 4;
  const ThreePoint count = CountThreePoint(g, mother, true, offspring);
  EXPECT_EQ(count.order, (std::array<std::int32_t, 3>{1, 3, 2}));
  EXPECT_EQ(count.total, 1000);
  EXPECT_EQ(count.firstInterval, 220);
  EXPECT_EQ(count.secondInterval, 100);
  EXPECT_EQ(count.doubles, 10);
  // 22 % of 10 % of 1000 = 22 doubles expected, 10 seen.
  ASSERT_TRUE(InterferenceOf(count));
  EXPECT_NEAR(*InterferenceOf(count), 1.0 - 10.0 / 22.0, 1e-9);
  EXPECT_FALSE(InterferenceOf(ThreePoint{}));
}

TEST(MapCheck, InterferenceIsRightWithinTwoHundredths) {
  EXPECT_TRUE(InterferenceRight(0.25, 0.23));
  EXPECT_TRUE(InterferenceRight(0.21, 0.23));
  EXPECT_FALSE(InterferenceRight(0.26, 0.23));
  EXPECT_FALSE(InterferenceRight(0.20, 0.23));
}

}  // namespace
}  // namespace crossmere
