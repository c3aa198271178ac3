#include "exercises/map_check.h"

namespace crossmere {
namespace {

std::int32_t PairGenotypes(std::int32_t chromosomes) { return chromosomes * (chromosomes + 1) / 2; }

}  // namespace

const std::array<LocusConfiguration, 7>& GenotypeConfigurations() {
  static const std::array<LocusConfiguration, 7> kConfigurations = {{
      {0, {3}},     // three linked autosomal
      {0, {2, 1}},  // two linked and one unlinked autosomal
      {0, {1, 1, 1}},
      {3, {}},      // three sex-linked
      {2, {1}},
      {1, {2}},
      {1, {1, 1}},
  }};
  return kConfigurations;
}

std::int32_t GenotypeCount(const LocusConfiguration& configuration) {
  std::int32_t autosomal = 1;
  for (const std::int32_t loci : configuration.autosomalGroups) autosomal *= PairGenotypes(1 << loci);
  const std::int32_t xChromosomes = 1 << configuration.sexLinked;
  const std::int32_t females = configuration.sexLinked == 0 ? 1 : PairGenotypes(xChromosomes);
  const std::int32_t males = configuration.sexLinked == 0 ? 1 : xChromosomes;
  return (females + males) * autosomal;
}

LinkageOption LinkageOf(const GeneticsState& genetics) {
  const bool linked12 = !genetics.unlinked12;
  const bool linked13 = !genetics.unlinked13;
  const bool linked23 = !genetics.unlinked23;
  if (linked12 && linked13 && linked23) {
    // The middle locus by position on the chromosome.
    const std::int32_t p1 = genetics.locusPosition[1];
    const std::int32_t p2 = genetics.locusPosition[2];
    const std::int32_t p3 = genetics.locusPosition[3];
    const auto between = [](std::int32_t a, std::int32_t middle, std::int32_t b) {
      return (a < middle && middle < b) || (b < middle && middle < a);
    };
    if (between(p1, p3, p2)) return LinkageOption::Order132;
    if (between(p2, p1, p3)) return LinkageOption::Order213;
    return LinkageOption::Order123;
  }
  if (linked12) return LinkageOption::FirstSecond;
  if (linked13) return LinkageOption::FirstThird;
  if (linked23) return LinkageOption::SecondThird;
  return LinkageOption::AllUnlinked;
}

}  // namespace crossmere
