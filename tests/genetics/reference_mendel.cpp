#include "tests/genetics/reference_mendel.h"

#include <utility>

namespace crossmere::testing {
namespace {

constexpr std::int32_t kForcedPosition = 5;
constexpr std::int32_t kForcedGametes = 8;

// Which of the parent's two haplotypes gives each position of one gamete.
std::array<std::int32_t, kPositions + 1> HomologChoice(const GeneticsState& g, OffspringState& o,
                                                       RandomGenerator& random, bool father) {
  std::array<std::int32_t, kPositions + 1> choice{};
  choice[1] = random.Random15() % 2;
  bool crossover = false;
  const bool maleFly = father && g.kind == kFly && !g.hermaphrodite;
  for (std::int32_t i = 1; i < kPositions; ++i) {
    double p = g.intervalDistance[i] / 100.0;
    if (i == 3 || i == 6) {
      p = InterferedCrossoverChance(p, g.intervalDistance[i - 1] / 100.0, crossover);
    }
    choice[i + 1] = choice[i];
    // Male flies do not recombine in the linked autosomal group.
    if (maleFly && (i == 5 || i == 6)) continue;
    const double u = random.Random15() / 32768.0;
    crossover = u < p;
    if (crossover) choice[i + 1] = 1 - choice[i];
  }
  if (o.gettingStarted && o.forcedCounter < kForcedGametes) {
    choice[kForcedPosition] = o.forcedHomologs[o.forcedCounter / 2];
    ++o.forcedCounter;
  }
  return choice;
}

}  // namespace

std::int32_t ReferenceMendel(GeneticsState& g, OffspringState& o, RandomGenerator& random) {
  std::int32_t firstClass = g.objectClass[kFirstParentObject];
  std::int32_t secondClass = g.objectClass[kSecondParentObject];
  if (!g.hermaphrodite && g.classes[firstClass].Sex() == 1 && g.classes[secondClass].Sex() == 0) {
    std::swap(firstClass, secondClass);
  }
  const Genotype& mother = g.classes[firstClass];
  const Genotype& father = g.classes[secondClass];

  Genotype zygote;
  for (;;) {
    const auto fromMother = HomologChoice(g, o, random, false);
    const auto fromFather = HomologChoice(g, o, random, true);
    for (std::int32_t j = 1; j <= kPositions; ++j) {
      zygote.hap1[j] = fromMother[j] == 0 ? mother.hap1[j] : mother.hap2[j];
      zygote.hap2[j] = fromFather[j] == 0 ? father.hap1[j] : father.hap2[j];
    }
    if (zygote.Sex() == 1) {
      for (std::int32_t k = 1; k <= g.lociCount; ++k) {
        const std::int32_t position = g.locusPosition[k];
        if (IsXLinked(position)) zygote.hap2[position] = zygote.hap1[position];
      }
    }
    bool dies = false;
    for (std::int32_t k = 1; k <= g.lociCount; ++k) {
      const LocusRule& locus = g.loci[k];
      if (locus.lethal && zygote.Sum(g.locusPosition[k]) == 2 * locus.dominantAllele) dies = true;
    }
    if (!dies) break;
  }

  std::array<std::int32_t, 4> a{}, b{};
  for (std::int32_t k = 1; k <= g.lociCount; ++k) {
    a[k] = zygote.hap1[g.locusPosition[k]];
    b[k] = zygote.hap2[g.locusPosition[k]];
  }
  const std::int32_t index = 64 * zygote.Sex() + 32 * a[1] + 16 * a[2] + 8 * a[3] + 4 * b[1] +
                             2 * b[2] + b[3];
  const std::int32_t classNumber = g.classIndexTable[index];
  ++g.classOffspringCount[classNumber];
  ++o.crossClassCount[classNumber];
  return classNumber;
}

}  // namespace crossmere::testing
