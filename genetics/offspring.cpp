#include "genetics/offspring.h"

#include <cmath>

namespace crossmere {
namespace {

constexpr std::int32_t kForcedPosition = 5;
constexpr std::int32_t kForcedGametes = 8;

double Kosambi(double x) { return std::tanh(2.0 * x) / 2.0; }

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

double Coincidence(double a, double b) {
  return (Kosambi(a) + Kosambi(b) - Kosambi(a + b)) / (2.0 * Kosambi(a) * Kosambi(b));
}

double InterferedCrossoverChance(double a, double b, bool crossoverBefore) {
  // Without a neighbouring interval there is nothing to interfere with.
  if (a <= 0.0 || b <= 0.0) return a;
  const double c = Coincidence(a, b);
  if (crossoverBefore) return c * a;
  return a * (1.0 - Kosambi(b) * c) / (1.0 - Kosambi(b));
}

bool TrueBreeding(const GeneticsState& g, std::int32_t firstClass, std::int32_t secondClass) {
  for (const std::int32_t parent : {firstClass, secondClass}) {
    const Genotype& genotype = g.classes[parent];
    for (std::int32_t k = 1; k <= g.lociCount; ++k) {
      const std::int32_t position = g.locusPosition[k];
      if (genotype.hap1[position] != genotype.hap2[position]) return false;
    }
  }
  return true;
}

std::int32_t Mendel(GeneticsState& g, OffspringState& o, RandomGenerator& random) {
  std::int32_t firstClass = g.objectClass[kFirstParentObject];
  std::int32_t secondClass = g.objectClass[kSecondParentObject];
  // The mother gives haplotype 1 whichever place she stands in, so that
  // X-linked inheritance stays right when the sexes are hidden.
  if (!g.hermaphrodite && g.classes[firstClass].Sex() == 1 && g.classes[secondClass].Sex() == 0) {
    std::swap(firstClass, secondClass);
  }
  const Genotype& mother = g.classes[firstClass];
  const Genotype& father = g.classes[secondClass];

  Genotype& zygote = g.classes[0];
  for (;;) {
    const auto fromMother = HomologChoice(g, o, random, false);
    const auto fromFather = HomologChoice(g, o, random, true);
    for (std::int32_t j = 1; j <= kPositions; ++j) {
      zygote.hap1[j] = fromMother[j] == 0 ? mother.hap1[j] : mother.hap2[j];
      zygote.hap2[j] = fromFather[j] == 0 ? father.hap1[j] : father.hap2[j];
    }
    if (zygote.Sex() == 1) {
      // A male shows the X he has from his mother; it is stored doubled.
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

NewOffspringResult NewOffspring(GeneticsState& g, OffspringState& o, RandomGenerator& random,
                                bool useGenerated, std::int64_t now) {
  NewOffspringResult result;
  const std::int32_t first = g.objectClass[kFirstParentObject];
  const std::int32_t second = g.objectClass[kSecondParentObject];
  if (first == 0 || second == 0) {
    o.generatedClass = 0;
    return result;
  }
  if (o.pending != 0) {
    o.generatedClass = 0;
    result.outcome = OffspringOutcome::Pending;
    return result;
  }
  if (g.hiddenSex && g.classes[first].hap2[1] == g.classes[second].hap2[1]) {
    o.generatedClass = 0;
    result.outcome = OffspringOutcome::Infertile;
    return result;
  }
  std::int32_t object = kFirstOffspringObject;
  while (object <= kLastOffspringObject && g.objectClass[object] != 0) ++object;
  if (object > kLastOffspringObject) {
    result.outcome = OffspringOutcome::NoRoom;
    return result;
  }

  g.objectClass[object] = useGenerated ? o.generatedClass : Mendel(g, o, random);
  if (object <= 200) o.trueBreedingCross[object] = TrueBreeding(g, first, second) ? 1 : 0;
  o.f1[object] = o.startingCross ? 1 : 0;
  const std::int32_t classNumber = g.objectClass[object];
  result.pictureNeeded = !g.classPictureBuilt[classNumber];
  o.highestObject = std::max(o.highestObject, object);

  // Offspring asked for in quick succession come at once.
  if (now - o.lastOffspringTime < 2 * o.delay) o.delay = 0;
  result.waitTicks = o.delay;
  result.outcome = OffspringOutcome::Made;
  result.object = object;
  return result;
}

void OffspringShown(OffspringState& o, std::int32_t object, std::int64_t now) {
  o.lastOffspringTime = now;
  o.pending = object;
  for (auto& counter : o.counters) ++counter;
}

std::array<std::int32_t, 4> DrawForcedHomologs(RandomGenerator& random) {
  std::array<std::int32_t, 4> bits{};
  do {
    for (auto& bit : bits) bit = random.Random15() % 2;
  } while (bits[0] + bits[1] + bits[2] + bits[3] != 2);
  return bits;
}

}  // namespace crossmere
