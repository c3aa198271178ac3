#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "genetics/genetics_state.h"
#include "statistics/observed_tally.h"

namespace crossmere {

// Who a count of offspring takes in: both sexes, or females (0) or males (1) only.
inline constexpr std::int32_t kBothSexes = -1;

// One phenotype class of a question: how it looks at each locus studied, a
// genotype class that shows it (of the sex shown), and its part of the
// expected ratio, reduced.
struct PhenotypeRow {
  std::vector<std::int32_t> values;  // phenotype value at each studied locus
  std::int32_t representative = 0;
  std::int32_t part = 0;
};

struct ExpectedPhenotypes {
  std::vector<PhenotypeRow> rows;
  // The sex counted and shown: both where the sexes segregate alike (or there
  // are no sexes), otherwise the sex that shows the segregation.
  std::int32_t sex = kBothSexes;
};

// The viable forms of locus k, the dominant's first: each phenotype value once.
std::vector<std::int32_t> FormsOfLocus(const GeneticsState& genetics, std::int32_t k);

// The weight of each genotype class among the offspring of the two parents
// under plain Mendelian segregation, every locus assorting independently;
// lethal classes get none.
ClassCounts MendelianOffspring(const GeneticsState& genetics, std::int32_t firstParentClass,
                               std::int32_t secondParentClass);

// The phenotype classes of the studied loci (1..3) with the cross's expected
// ratio, rows in the order the forms of locus 1 then locus 2 are listed.
ExpectedPhenotypes ExpectPhenotypes(const GeneticsState& genetics, std::int32_t firstParentClass,
                                    std::int32_t secondParentClass, const std::vector<std::int32_t>& loci);

}  // namespace crossmere
