#include "statistics/observed_tally.h"

#include <gtest/gtest.h>

#include "tests/genetics/genetics_fixture.h"

namespace crossmere {
namespace {

using testing::ClassOfAlleles;
using testing::MakeGenetics;

// The class of a female (or, with sex 1, a male) with `sum` copies of allele
// 1 at locus 1 and `sum2` at locus 2.
std::int32_t ClassWith(const GeneticsState& g, std::int32_t sum, std::int32_t sum2 = 0, std::int32_t sex = 0) {
  const std::array<std::int32_t, 4> a{0, sum >= 1 ? 1 : 0, sum2 >= 1 ? 1 : 0, 0};
  const std::array<std::int32_t, 4> b{0, sum >= 2 ? 1 : 0, sum2 >= 2 ? 1 : 0, 0};
  return ClassOfAlleles(g, sex, a, b);
}

TEST(ObservedTally, SortsClassesIntoRowsByPhenotype) {
  struct Case {
    const char* what;
    std::int32_t heterozygote;  // 3: allele 1 dominant, 2: intermediate
    std::vector<std::int32_t> rowSums;
    std::array<std::int32_t, kMaxTallyRows> female;
  };
  // 5 homozygotes for allele 0, 7 heterozygotes, 3 homozygotes for allele 1.
  const Case cases[] = {
      {"dominance: heterozygotes look like homozygotes", 3, {0, 2}, {5, 10, 0, 0}},
      {"no dominance: heterozygotes have their own row", 2, {0, 1, 2}, {5, 7, 3, 0}},
      {"no dominance, heterozygotes offered no row: counted nowhere", 2, {0, 2}, {5, 3, 0, 0}},
  };
  for (const Case& c : cases) {
    const GeneticsState g = MakeGenetics(kFly, {{5, c.heterozygote, false}});
    ClassCounts counts{};
    counts[ClassWith(g, 0)] = 5;
    counts[ClassWith(g, 1)] = 7;
    counts[ClassWith(g, 2)] = 3;
    std::vector<std::int32_t> rows;
    for (const std::int32_t sum : c.rowSums) rows.push_back(ClassWith(g, sum));
    const TallyTable table = TallyObserved(g, rows, {1}, counts);
    EXPECT_EQ(table[0], c.female) << c.what;
    EXPECT_EQ(table[1], (std::array<std::int32_t, kMaxTallyRows>{})) << c.what;
  }
}

TEST(ObservedTally, SplitsBySexAndComparesTheCharactersAsked) {
  const GeneticsState g = MakeGenetics(kFly, {{5, 3, false}, {8, 3, false}});
  ClassCounts counts{};
  counts[ClassWith(g, 2, 0, 0)] = 4;  // dominant, recessive: female
  counts[ClassWith(g, 2, 0, 1)] = 6;  // the same, male
  counts[ClassWith(g, 0, 2, 0)] = 9;  // recessive, dominant
  const std::vector<std::int32_t> rows = {ClassWith(g, 1, 0), ClassWith(g, 0, 1)};
  const TallyTable joint = TallyObserved(g, rows, {1, 2}, counts);
  EXPECT_EQ(joint[0][0], 4);
  EXPECT_EQ(joint[1][0], 6);
  EXPECT_EQ(joint[0][1], 9);
  // Asked about the first character alone, the rows are its two phenotypes.
  const TallyTable first = TallyObserved(g, {ClassWith(g, 1), ClassWith(g, 0)}, {1}, counts);
  EXPECT_EQ(first[0][0], 4);
  EXPECT_EQ(first[1][0], 6);
  EXPECT_EQ(first[0][1], 9);
}

// Only the containers of the cross count: not Storage, not another cross's,
// not an individual taken out of an open container.
TEST(ObservedTally, CountsTheContainersOfTheCross) {
  ContainerState containers;
  containers.Record(containers::kFirst).count = 0;
  containers.Add(containers::kFirst, 10);
  ContainerRecord& mine = containers.Record(containers::kFirst + 1);
  mine.count = 0;
  mine.crossTag = 3;
  containers.Add(containers::kFirst + 1, 10);
  containers.Add(containers::kFirst + 1, 10);
  containers.Add(containers::kFirst + 1, 12);
  mine.spots[2] = -10;  // taken out
  ContainerRecord& other = containers.Record(containers::kFirst + 2);
  other.count = 0;
  other.crossTag = 2;
  containers.Add(containers::kFirst + 2, 10);
  const ContainerCounts counts = ContainerClassCounts(containers, 3);
  EXPECT_EQ(counts.containers, 1);
  EXPECT_EQ(counts.perClass[10], 1);
  EXPECT_EQ(counts.perClass[12], 1);
}

}  // namespace
}  // namespace crossmere
