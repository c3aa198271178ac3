#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "exercises/cross_list.h"

namespace crossmere {

// What the tables of a listed cross's offspring need to know of its locus.
struct TableLocus {
  std::array<std::int32_t, 3> phenotype{1, 2, 2};  // value shown by allele sum
  std::int32_t dominantAllele = 1;
  bool lethal = false;     // homozygotes for the dominant allele die
  bool sexLinked = false;  // with separate sexes: daughters and sons apart
};

// A table box: none of this class expected (0), every one of its sex
// (kAllOfThem), or its part of the reduced ratio.
inline constexpr std::int32_t kAllOfThem = -1;
using TableBox = std::optional<std::int32_t>;  // nothing when left at "?"

// One column of a table: the sex it counts (kEitherSex where the sexes are
// not told apart) and the genotype (allele sum) or phenotype value.
inline constexpr std::int32_t kEitherSex = -1;
struct TableColumn {
  std::int32_t sex = kEitherSex;
  std::int32_t value = 0;
  bool operator==(const TableColumn&) const = default;
};

// Columns of the expected genotypes and phenotypes, each sex's together,
// the dominant's first; a lethal genotype has none.
std::vector<TableColumn> GenotypeColumns(const TableLocus& locus);
std::vector<TableColumn> PhenotypeColumns(const TableLocus& locus);

// The program's answer in each column of a cross's row, within each sex:
// "all" where one class takes every offspring, otherwise the reduced ratio.
std::vector<std::int32_t> ExpectedBoxes(const TableLocus& locus, const ListedCross& cross,
                                        const std::vector<TableColumn>& columns, bool phenotypes);

// Rows (crosses) the student's boxes get wrong: a box left at "?" is wrong.
std::vector<bool> RowsRight(const TableLocus& locus, const std::vector<ListedCross>& crosses,
                            const std::vector<TableColumn>& columns, bool phenotypes,
                            const std::vector<std::vector<TableBox>>& boxes);

// The logical order: the first parent carrying more of the dominant allele
// comes first, then likewise the second.
void SortCrosses(std::vector<ListedCross>& crosses, const TableLocus& locus);

// The listed cross (its index; -1 where none is listed) whose offspring
// together look like an autosomal intercross: a heterozygous female and a
// male carrying the dominant allele.
std::int32_t LikeAutosomalIntercross(const std::vector<ListedCross>& crosses, const TableLocus& locus);
// The listed cross whose offspring look the reverse of their parents: a
// female homozygous recessive and a male carrying the dominant allele.
std::int32_t ReversedPhenotypes(const std::vector<ListedCross>& crosses, const TableLocus& locus);

}  // namespace crossmere
