#pragma once

#include <cstdint>
#include <optional>

#include "genetics/genetics_state.h"
#include "statistics/observed_tally.h"

namespace crossmere {

// Heterozygous at every locus of the example.
bool HeterozygousAtEveryLocus(const GeneticsState& genetics, std::int32_t classNumber);
// Homozygous (a male at an X-linked locus: hemizygous) for the recessive
// allele at every locus of the example.
bool RecessiveAtEveryLocus(const GeneticsState& genetics, std::int32_t classNumber);
// The alleles of loci 1 and 2 on each chromosome are alike (both first
// alleles or both second): coupling; otherwise repulsion.
bool InCoupling(const GeneticsState& genetics, std::int32_t classNumber);

enum class RecombinationCross {
  Right,
  NotDoubleHeterozygote,  // the measured parent
  OtherNotRecessive,
  SamePhase,   // the second cross repeats the first's genotype
  MaleFlies,   // male flies do not recombine
};

// Judges a cross for measuring recombination in `measured`; `earlierCoupling`
// is the phase of the first such cross when this is the second.
RecombinationCross JudgeRecombinationCross(const GeneticsState& genetics, std::int32_t measured, std::int32_t other,
                                           std::optional<bool> earlierCoupling);

struct GameteCount {
  std::int32_t total = 0;
  std::int32_t recombinant = 0;
  bool operator==(const GameteCount&) const = default;
};

// The gametes the measured parent gave the offspring counted, between loci
// a and b: a gamete is recombinant where the two loci came from different
// chromosomes of the parent. `fromMother`: the parent gave the first
// haplotype (the mother, or the first parent without sexes).
GameteCount CountGametes(const GeneticsState& genetics, std::int32_t measured, bool fromMother,
                         const ClassCounts& offspring, std::int32_t a, std::int32_t b);

// The frequency in whole percent is right when it is the nearest whole
// number; where the exact value ends in .5 either neighbour is.
bool PercentRight(std::int32_t entered, const GameteCount& count);
// The nearest whole percent shown as the program's answer (halves to even).
std::int32_t NearestPercent(const GameteCount& count);

}  // namespace crossmere
