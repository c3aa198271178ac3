#include "statistics/observed_tally.h"

#include "genetics/genotype_classes.h"

namespace crossmere {

ContainerCounts ContainerClassCounts(const ContainerState& containers, std::int32_t crossNumber) {
  ContainerCounts counts;
  for (std::int32_t c = containers::kFirst + 1; c <= containers::kLast; ++c) {
    const ContainerRecord& record = containers.Record(c);
    if (record.count < 0 || record.crossTag != crossNumber) continue;
    ++counts.containers;
    for (std::int32_t spot = 1; spot <= containers::kCapacity; ++spot) {
      const std::int32_t classNumber = record.spots[spot];
      if (classNumber >= 1 && classNumber <= kClassCount) ++counts.perClass[classNumber];
    }
  }
  return counts;
}

TallyTable TallyObserved(const GeneticsState& genetics, const std::vector<std::int32_t>& rowClasses,
                         const std::vector<std::int32_t>& loci, const ClassCounts& counts) {
  TallyTable table{};
  const auto looksAlike = [&](std::int32_t a, std::int32_t b) {
    for (const std::int32_t k : loci) {
      if (LocusPhenotype(genetics, a, k) != LocusPhenotype(genetics, b, k)) return false;
    }
    return true;
  };
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    if (counts[c] == 0) continue;
    const std::int32_t sex = genetics.classes[c].Sex();
    for (std::size_t r = 0; r < rowClasses.size() && r < kMaxTallyRows; ++r) {
      if (rowClasses[r] != 0 && looksAlike(c, rowClasses[r])) table[sex][r] += counts[c];
    }
  }
  return table;
}

}  // namespace crossmere
