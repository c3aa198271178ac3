#include "exercises/recombination_check.h"

#include <gtest/gtest.h>

#include "tests/genetics/genetics_fixture.h"

namespace crossmere {
namespace {

using testing::ClassOfAlleles;
using testing::MakeGenetics;

// Two linked loci; allele 1 dominant at both, so 0 is recessive.
class Recombination : public ::testing::Test {
 protected:
  GeneticsState g = MakeGenetics(kDinosaurDog, {{5, 3}, {6, 3}});
  std::int32_t Female(std::array<std::int32_t, 4> a, std::array<std::int32_t, 4> b) { return ClassOfAlleles(g, 0, a, b); }
  std::int32_t Male(std::array<std::int32_t, 4> a, std::array<std::int32_t, 4> b) { return ClassOfAlleles(g, 1, a, b); }
  std::int32_t coupling = Female({0, 1, 1, 0}, {0, 0, 0, 0});
  std::int32_t repulsion = Female({0, 1, 0, 0}, {0, 0, 1, 0});
  std::int32_t recessiveMale = Male({0, 0, 0, 0}, {0, 0, 0, 0});
};

TEST_F(Recombination, JudgesTheCross) {
  struct Case {
    const char* what;
    std::int32_t measured, other;
    std::optional<bool> earlier;
    RecombinationCross verdict;
  };
  const std::int32_t heterozygousMale = Male({0, 1, 1, 0}, {0, 0, 0, 0});
  const Case cases[] = {
      {"coupling x double recessive", coupling, recessiveMale, std::nullopt, RecombinationCross::Right},
      {"the second cross in the other phase", repulsion, recessiveMale, true, RecombinationCross::Right},
      {"the second cross in the same phase", coupling, recessiveMale, true, RecombinationCross::SamePhase},
      {"measured in the recessive parent", recessiveMale, coupling, std::nullopt,
       RecombinationCross::NotDoubleHeterozygote},
      {"the other parent heterozygous", coupling, heterozygousMale, std::nullopt,
       RecombinationCross::OtherNotRecessive},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JudgeRecombinationCross(g, c.measured, c.other, c.earlier), c.verdict) << c.what;
  }
  GeneticsState flies = MakeGenetics(kFly, {{5, 3}, {6, 3}});
  const std::int32_t fly = ClassOfAlleles(flies, 1, {0, 1, 1, 0}, {0, 0, 0, 0});
  const std::int32_t recessiveFly = ClassOfAlleles(flies, 0, {0, 0, 0, 0}, {0, 0, 0, 0});
  EXPECT_EQ(JudgeRecombinationCross(flies, fly, recessiveFly, std::nullopt), RecombinationCross::MaleFlies);
}

TEST_F(Recombination, CountsTheMeasuredParentsGametes) {
  // Offspring of the female by their chromosome from her: 1-1 and 0-0 are
  // her own combinations, 1-0 and 0-1 new ones.
  const auto child = [&](std::int32_t first, std::int32_t second) {
    return Female({0, first, second, 0}, {0, 0, 0, 0});
  };
  ClassCounts offspring{};
  offspring[static_cast<std::size_t>(child(1, 1))] = 40;
  offspring[static_cast<std::size_t>(child(0, 0))] = 45;
  offspring[static_cast<std::size_t>(child(1, 0))] = 8;
  offspring[static_cast<std::size_t>(child(0, 1))] = 7;
  EXPECT_EQ(CountGametes(g, coupling, true, offspring, 1, 2), (GameteCount{100, 15}));
  EXPECT_EQ(CountGametes(g, repulsion, true, offspring, 1, 2), (GameteCount{100, 85}))
      << "in repulsion the same offspring are mostly recombinant";

  // Measured in the father: his chromosome is the offspring's second.
  const std::int32_t father = Male({0, 1, 1, 0}, {0, 0, 0, 0});
  ClassCounts children{};
  children[static_cast<std::size_t>(Female({0, 0, 0, 0}, {0, 1, 0, 0}))] = 3;
  children[static_cast<std::size_t>(Female({0, 0, 0, 0}, {0, 1, 1, 0}))] = 9;
  EXPECT_EQ(CountGametes(g, father, false, children, 1, 2), (GameteCount{12, 3}));
}

// The same offspring counted from the cross or from the cages that hold them
// give the same table; Storage and the cages of another cross do not count.
TEST_F(Recombination, CagesAreASourceOfTheirOwn) {
  ContainerState held;
  const auto child = [&](std::int32_t first, std::int32_t second) {
    return Female({0, first, second, 0}, {0, 0, 0, 0});
  };
  held.Record(containers::kFirst).count = 0;
  for (const std::int32_t container : {1302, 1303, 1304}) {
    held.Record(container).count = 0;
    held.Record(container).crossTag = container == 1304 ? 1 : 2;
  }
  for (std::int32_t n = 0; n < 9; ++n) held.Add(1302, child(1, 1));
  for (std::int32_t n = 0; n < 3; ++n) held.Add(1303, child(1, 0));
  for (std::int32_t n = 0; n < 5; ++n) held.Add(1304, child(0, 1));  // another cross
  held.Add(containers::kFirst, child(0, 1));                          // Storage
  const ContainerCounts counts = ContainerClassCounts(held, 2);
  EXPECT_EQ(CountGametes(g, coupling, true, counts.perClass, 1, 2), (GameteCount{12, 3}));
}

TEST(RecombinationPercent, NearestWholeNumberEitherWayAtAHalf) {
  struct Case {
    GameteCount count;
    std::int32_t entered;
    bool right;
  };
  const Case cases[] = {
      {{8, 1}, 12, true}, {{8, 1}, 13, true}, {{8, 1}, 14, false}, {{100, 15}, 15, true},
      {{100, 15}, 14, false}, {{3, 1}, 33, true}, {{3, 1}, 34, false}, {{0, 0}, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PercentRight(c.entered, c.count), c.right) << c.count.recombinant << "/" << c.count.total;
  }
  EXPECT_EQ(NearestPercent({8, 1}), 12) << "halves to even";
  EXPECT_EQ(NearestPercent({3, 1}), 33);
}

}  // namespace
}  // namespace crossmere
