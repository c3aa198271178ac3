#include "exercises/map_check.h"

#include <algorithm>
#include <cmath>

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

ThreePoint CountThreePoint(const GeneticsState& genetics, std::int32_t measured, bool fromMother,
                           const ClassCounts& offspring) {
  ThreePoint count;
  count.order = {1, 2, 3};
  std::sort(count.order.begin(), count.order.end(), [&](std::int32_t a, std::int32_t b) {
    return genetics.locusPosition[a] < genetics.locusPosition[b];
  });
  const Genotype& parent = genetics.classes[measured];
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    const std::int32_t n = offspring[static_cast<std::size_t>(c)];
    if (n == 0) continue;
    const auto& gamete = fromMother ? genetics.classes[c].hap1 : genetics.classes[c].hap2;
    // Which of the parent's chromosomes each locus came from.
    std::array<bool, 3> fromFirst{};
    for (std::size_t i = 0; i < 3; ++i) {
      const std::int32_t position = genetics.locusPosition[count.order[i]];
      fromFirst[i] = gamete[position] == parent.hap1[position];
    }
    const bool first = fromFirst[0] != fromFirst[1];
    const bool second = fromFirst[1] != fromFirst[2];
    count.total += n;
    if (first) count.firstInterval += n;
    if (second) count.secondInterval += n;
    if (first && second) count.doubles += n;
  }
  return count;
}

std::optional<double> InterferenceOf(const ThreePoint& count) {
  if (count.firstInterval == 0 || count.secondInterval == 0) return std::nullopt;
  const double expected = static_cast<double>(count.firstInterval) * count.secondInterval / count.total;
  return 1.0 - count.doubles / expected;
}

bool InterferenceRight(double entered, double program) {
  constexpr double kTolerance = 0.02;
  // A hair over, so that 0.25 against 0.23 counts as the 0.02 it is written as.
  constexpr double kRounding = 1e-9;
  return std::fabs(entered - program) <= kTolerance + kRounding;
}

}  // namespace crossmere
