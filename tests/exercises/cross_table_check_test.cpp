#include "exercises/cross_table_check.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

constexpr std::int32_t kAll = kAllOfThem;

// Allele 1 dominant: the heterozygote and its homozygote show form 1.
TableLocus Autosomal(bool lethal = false) { return {{2, 1, 1}, 1, lethal, false}; }
TableLocus SexLinked() { return {{2, 1, 1}, 1, false, true}; }

TEST(CrossTableCheck, ExpectedBoxesByCross) {
  struct Case {
    const char* what;
    TableLocus locus;
    ListedCross cross;
    bool phenotypes;
    std::vector<std::int32_t> boxes;
  };
  const Case cases[] = {
      {"AA x AA", Autosomal(), {2, 2}, false, {kAll, 0, 0}},
      {"AA x Aa", Autosomal(), {2, 1}, false, {1, 1, 0}},
      {"AA x aa", Autosomal(), {2, 0}, false, {0, kAll, 0}},
      {"Aa x Aa", Autosomal(), {1, 1}, false, {1, 2, 1}},
      {"Aa x aa", Autosomal(), {1, 0}, false, {0, 1, 1}},
      {"aa x aa", Autosomal(), {0, 0}, false, {0, 0, kAll}},
      {"Aa x Aa phenotypes", Autosomal(), {1, 1}, true, {3, 1}},
      {"AA x aa phenotypes", Autosomal(), {2, 0}, true, {kAll, 0}},
      {"lethal Aa x Aa: no dominant homozygote", Autosomal(true), {1, 1}, false, {2, 1}},
      {"lethal Aa x Aa phenotypes", Autosomal(true), {1, 1}, true, {2, 1}},
      {"X-linked Aa x A: daughters and sons apart", SexLinked(), {1, 2}, false, {1, 1, 0, 1, 1}},
      {"X-linked Aa x A phenotypes", SexLinked(), {1, 2}, true, {kAll, 0, 1, 1}},
      {"X-linked aa x A phenotypes: reversed", SexLinked(), {0, 2}, true, {kAll, 0, 0, kAll}},
  };
  for (const Case& c : cases) {
    const std::vector<TableColumn> columns = c.phenotypes ? PhenotypeColumns(c.locus) : GenotypeColumns(c.locus);
    EXPECT_EQ(ExpectedBoxes(c.locus, c.cross, columns, c.phenotypes), c.boxes) << c.what;
  }
}

TEST(CrossTableCheck, ARowIsRightOnlyWhenEveryBoxIs) {
  const TableLocus locus = Autosomal();
  const std::vector<ListedCross> crosses{{1, 1}, {1, 0}, {2, 0}};
  const std::vector<TableColumn> columns = PhenotypeColumns(locus);
  const std::vector<std::vector<TableBox>> boxes{{3, 1}, {1, std::nullopt}, {1, 0}};
  EXPECT_EQ(RowsRight(locus, crosses, columns, true, boxes), (std::vector<bool>{true, false, false}))
      << "a '?' is wrong, and so is 1 where all are expected";
}

TEST(CrossTableCheck, SortingAndPicks) {
  for (const std::int32_t dominant : {0, 1}) {
    TableLocus locus = SexLinked();
    locus.dominantAllele = dominant;
    const std::int32_t big = 2 * dominant;  // the dominant homozygote's sum
    const std::int32_t small = 2 - big;
    std::vector<ListedCross> crosses{{small, small}, {1, big}, {big, small}, {small, big}, {1, small}, {big, big}};
    EXPECT_EQ(LikeAutosomalIntercross(crosses, locus), 1);
    EXPECT_EQ(ReversedPhenotypes(crosses, locus), 3);
    SortCrosses(crosses, locus);
    const std::vector<ListedCross> sorted{{big, big}, {big, small}, {1, big}, {1, small}, {small, big}, {small, small}};
    EXPECT_EQ(crosses, sorted) << "dominant allele " << dominant;
    EXPECT_EQ(LikeAutosomalIntercross({{big, big}}, locus), -1);
  }
}

}  // namespace
}  // namespace crossmere
