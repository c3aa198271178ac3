#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <optional>

#include "genetics/genetics_state.h"
#include "statistics/observed_tally.h"

namespace crossmere {

// How three loci lie: how many are sex-linked (all on the X, so linked to
// each other) and the sizes of the autosomal linkage groups.
struct LocusConfiguration {
  std::int32_t sexLinked = 0;
  std::vector<std::int32_t> autosomalGroups;
};

// The configurations "Number of genotypes" asks about, in its order.
const std::array<LocusConfiguration, 7>& GenotypeConfigurations();

// Genotypes of loci with two alleles each, females and males counted apart:
// a linkage group of n loci has 2^n chromosomes and so 2^n (2^n + 1) / 2
// genotypes; a male has one X, so as many X genotypes as X chromosomes.
std::int32_t GenotypeCount(const LocusConfiguration& configuration);

// The options of "Order of loci", 1..7: all unlinked; 1 and 2 linked; 1 and
// 3 linked; 2 and 3 linked; linked in the order 1-2-3, 1-3-2 or 2-1-3.
enum class LinkageOption : std::int32_t {
  AllUnlinked = 1,
  FirstSecond = 2,
  FirstThird = 3,
  SecondThird = 4,
  Order123 = 5,
  Order132 = 6,
  Order213 = 7,
};

// The option that describes the example's three loci.
LinkageOption LinkageOf(const GeneticsState& genetics);

// The measured parent's gametes over three linked loci, the loci taken in
// their order on the chromosome: recombinant in each interval (double
// crossovers counted in both) and recombinant in both.
struct ThreePoint {
  std::array<std::int32_t, 3> order{};  // locus numbers, left to right
  std::int32_t total = 0;
  std::int32_t firstInterval = 0;
  std::int32_t secondInterval = 0;
  std::int32_t doubles = 0;
};

ThreePoint CountThreePoint(const GeneticsState& genetics, std::int32_t measured, bool fromMother,
                           const ClassCounts& offspring);

// The coefficient of interference: 1 less the coefficient of coincidence
// (double crossovers seen over those expected from the two intervals);
// nothing where no double crossover is expected.
std::optional<double> InterferenceOf(const ThreePoint& count);

// An estimate of interference is right within 0.02 of the program's.
bool InterferenceRight(double entered, double program);

}  // namespace crossmere
