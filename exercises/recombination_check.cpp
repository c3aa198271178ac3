#include "exercises/recombination_check.h"

#include <cmath>
#include <cstdlib>

namespace crossmere {
namespace {

std::int32_t RecessiveSum(const LocusRule& locus) { return 2 * locus.recessiveAllele; }

}  // namespace

bool HeterozygousAtEveryLocus(const GeneticsState& genetics, std::int32_t classNumber) {
  const Genotype& genotype = genetics.classes[classNumber];
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    if (genotype.Sum(genetics.locusPosition[k]) != 1) return false;
  }
  return true;
}

bool RecessiveAtEveryLocus(const GeneticsState& genetics, std::int32_t classNumber) {
  const Genotype& genotype = genetics.classes[classNumber];
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    if (genotype.Sum(genetics.locusPosition[k]) != RecessiveSum(genetics.loci[k])) return false;
  }
  return true;
}

bool InCoupling(const GeneticsState& genetics, std::int32_t classNumber) {
  const Genotype& genotype = genetics.classes[classNumber];
  return genotype.hap1[genetics.locusPosition[1]] == genotype.hap1[genetics.locusPosition[2]];
}

RecombinationCross JudgeRecombinationCross(const GeneticsState& genetics, std::int32_t measured, std::int32_t other,
                                           std::optional<bool> earlierCoupling) {
  if (genetics.kind == kFly && !genetics.hermaphrodite && genetics.classes[measured].Sex() == 1) {
    return RecombinationCross::MaleFlies;
  }
  if (!HeterozygousAtEveryLocus(genetics, measured)) return RecombinationCross::NotDoubleHeterozygote;
  if (!RecessiveAtEveryLocus(genetics, other)) return RecombinationCross::OtherNotRecessive;
  if (earlierCoupling && *earlierCoupling == InCoupling(genetics, measured)) return RecombinationCross::SamePhase;
  return RecombinationCross::Right;
}

GameteCount CountGametes(const GeneticsState& genetics, std::int32_t measured, bool fromMother,
                         const ClassCounts& offspring, std::int32_t a, std::int32_t b) {
  const Genotype& parent = genetics.classes[measured];
  const std::int32_t positionA = genetics.locusPosition[a];
  const std::int32_t positionB = genetics.locusPosition[b];
  GameteCount count;
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    const std::int32_t n = offspring[static_cast<std::size_t>(c)];
    if (n == 0) continue;
    const Genotype& child = genetics.classes[c];
    const auto& gamete = fromMother ? child.hap1 : child.hap2;
    const bool firstAtA = gamete[positionA] == parent.hap1[positionA];
    const bool firstAtB = gamete[positionB] == parent.hap1[positionB];
    count.total += n;
    if (firstAtA != firstAtB) count.recombinant += n;
  }
  return count;
}

bool PercentRight(std::int32_t entered, const GameteCount& count) {
  if (count.total == 0) return false;
  // Twice the distance in percent, in whole numbers: 100 r / t against the entry.
  const std::int64_t twiceOff = std::llabs(200LL * count.recombinant - 2LL * entered * count.total);
  return twiceOff <= count.total;
}

std::int32_t NearestPercent(const GameteCount& count) {
  if (count.total == 0) return 0;
  return static_cast<std::int32_t>(std::nearbyint(100.0 * count.recombinant / count.total));
}

}  // namespace crossmere
