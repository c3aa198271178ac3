#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "genetics/genetics_state.h"
#include "genetics/stock.h"

namespace crossmere {

inline constexpr std::int32_t kMaxTallyRows = 4;

// Observed numbers by sex (0 female, 1 male) and question row.
using TallyTable = std::array<std::array<std::int32_t, kMaxTallyRows>, 2>;
// A count for each genotype class 1..128.
using ClassCounts = std::array<std::int32_t, kClassCount + 1>;

// What the containers of a cross hold, class by class.
struct ContainerCounts {
  ClassCounts perClass{};
  std::int32_t containers = 0;  // containers associated with the cross
};

// Counts the individuals in the containers that hold offspring of cross
// `crossNumber`; the Storage container never counts, nor does an individual
// taken out of an open container.
ContainerCounts ContainerClassCounts(const ContainerState& containers, std::int32_t crossNumber);

// Sorts counted classes into the rows of a question by phenotype: a class
// counts for every row whose representative class shows the same phenotype
// at each of `loci` (the example's loci compared: the character under study,
// or both for a joint question). A class that looks like no row counts nowhere.
TallyTable TallyObserved(const GeneticsState& genetics, const std::vector<std::int32_t>& rowClasses,
                         const std::vector<std::int32_t>& loci, const ClassCounts& counts);

}  // namespace crossmere
