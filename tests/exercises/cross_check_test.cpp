#include "exercises/cross_check.h"

#include <gtest/gtest.h>

#include "../genetics/genetics_fixture.h"

namespace crossmere {
namespace {

using testing::ClassOfAlleles;
using testing::MakeGenetics;

// Allele counts of a parent at loci 1 and 2 (0, 1 or 2 copies of allele 1).
struct CrossCase {
  const char* name;
  std::int32_t type;
  std::array<std::int32_t, 2> first;
  std::array<std::int32_t, 2> second;
  std::int32_t expected;
};

std::int32_t ClassOf(const GeneticsState& g, std::array<std::int32_t, 2> copies) {
  // One copy goes on the first haplotype, the second copy on the second.
  return ClassOfAlleles(g, 0, {0, copies[0] >= 1, copies[1] >= 1, 0}, {0, copies[0] == 2, copies[1] == 2, 0});
}

class AutosomalCross : public ::testing::TestWithParam<CrossCase> {};

TEST_P(AutosomalCross, JudgesTheCrossInTheBox) {
  const CrossCase& c = GetParam();
  // Allele 1 is dominant at both loci; no separate sexes.
  const GeneticsState g = MakeGenetics(kMonkbear, {{8, 3}, {10, 3}}, false);
  const std::array<CrossParent, 2> parents = {CrossParent{ClassOf(g, c.first), false},
                                              CrossParent{ClassOf(g, c.second), false}};
  EXPECT_EQ(CrossCheck(g, parents, c.type), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutosomalCross,
    ::testing::Values(CrossCase{"IntercrossOfHeterozygotes", 4, {1, 0}, {1, 2}, 0},
                      CrossCase{"IntercrossWithOneHomozygote", 4, {1, 0}, {0, 0}, 1},
                      CrossCase{"IntercrossOfHomozygotes", 4, {2, 0}, {0, 0}, 2},
                      CrossCase{"TestcrossToRecessive", 7, {1, 0}, {0, 0}, 0},
                      CrossCase{"TestcrossToRecessiveEitherWay", 7, {0, 2}, {1, 2}, 0},
                      CrossCase{"TestcrossOfHeterozygotes", 7, {1, 0}, {1, 0}, 3},
                      CrossCase{"TestcrossOfHomozygotes", 7, {2, 0}, {0, 0}, 2},
                      CrossCase{"BackcrossToDominant", 7, {1, 0}, {2, 0}, 4},
                      CrossCase{"TwoLociBothRight", 10, {1, 1}, {1, 1}, 0},
                      CrossCase{"TwoLociSecondWrong", 10, {1, 1}, {1, 2}, 1},
                      CrossCase{"OneLocusTypeIgnoresSecond", 4, {1, 2}, {1, 2}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CrossCheck, AnEmptyPlaceMeansNoCross) {
  const GeneticsState g = MakeGenetics(kMonkbear, {{8, 3}}, false);
  const std::int32_t het = ClassOf(g, {1, 0});
  EXPECT_EQ(CrossCheck(g, {CrossParent{het, true}, CrossParent{0, false}}, 4), cross_check::kNoCross);
  EXPECT_EQ(CrossCheck(g, {CrossParent{0, false}, CrossParent{het, true}}, 7), cross_check::kNoCross);
}

// At a sex-linked locus the F1 marks decide, and a male counts his one X twice.
TEST(CrossCheck, SexLinkedLocusGoesByTheF1Marks) {
  const GeneticsState g = MakeGenetics(kFly, {{2, 3}});
  const std::int32_t carrierFemale = ClassOfAlleles(g, 0, {0, 1, 0, 0}, {0, 0, 0, 0});
  const std::int32_t recessiveFemale = ClassOfAlleles(g, 0, {0, 0, 0, 0}, {0, 0, 0, 0});
  const std::int32_t recessiveMale = ClassOfAlleles(g, 1, {0, 0, 0, 0}, {0, 0, 0, 0});
  const std::int32_t dominantMale = ClassOfAlleles(g, 1, {0, 1, 0, 0}, {0, 0, 0, 0});
  ASSERT_EQ(g.classes[dominantMale].Sex(), 1);

  EXPECT_EQ(CrossCheck(g, {CrossParent{carrierFemale, true}, CrossParent{dominantMale, true}}, 4), 0);
  EXPECT_EQ(CrossCheck(g, {CrossParent{carrierFemale, true}, CrossParent{dominantMale, false}}, 4), 1);
  EXPECT_EQ(CrossCheck(g, {CrossParent{carrierFemale, false}, CrossParent{dominantMale, false}}, 4), 2);
  EXPECT_EQ(CrossCheck(g, {CrossParent{carrierFemale, true}, CrossParent{recessiveMale, false}}, 7), 0);
  EXPECT_EQ(CrossCheck(g, {CrossParent{carrierFemale, true}, CrossParent{dominantMale, false}}, 7), 4);
  EXPECT_EQ(CrossCheck(g, {CrossParent{recessiveFemale, false}, CrossParent{recessiveMale, true}}, 7), 0);
  EXPECT_EQ(CrossCheck(g, {CrossParent{carrierFemale, true}, CrossParent{recessiveMale, true}}, 7), 3);
}

}  // namespace
}  // namespace crossmere
