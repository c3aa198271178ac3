#include "genetics/offspring.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace crossmere {
namespace {

constexpr std::int32_t kForcedPosition = 5;
constexpr std::int32_t kForcedGametes = 8;
// One gamete takes a draw for its first homolog and one for each interval
// that may cross over; male flies skip intervals 5 and 6.
constexpr std::int32_t kGameteDraws = kPositions;
constexpr std::int32_t kMaleFlyDraws = kPositions - 2;

double Kosambi(double x) { return std::tanh(2.0 * x) / 2.0; }

// The least draw that does not cross over with chance p.
std::int32_t Threshold(double p) {
  if (!(p > 0.0)) return 0;
  return static_cast<std::int32_t>(std::min(std::ceil(p * 32768.0), 32768.0));
}

// A haplotype as bits: bit j is the allele (0 or 1) at position j. The
// multiplication gathers the low bit of each of positions 0..7 into one byte.
std::uint32_t AlleleBits(const std::array<std::uint8_t, kPositions + 1>& haplotype) {
  constexpr std::uint64_t kGather = 0x0102040810204080ull;
  std::uint64_t low = 0;
  std::memcpy(&low, haplotype.data(), sizeof low);
  return static_cast<std::uint32_t>((low * kGather) >> 56) | std::uint32_t{haplotype[8]} << 8 |
         std::uint32_t{haplotype[9]} << 9 | std::uint32_t{haplotype[10]} << 10;
}

// Which haplotype gives each position of one gamete (bit j set: the
// second), from its draws: the first picks where it starts, each later one
// whether its interval crosses over, which changes haplotype from the next
// position on. Intervals 3 and 6 take the chance that follows what the
// interval before them did. Male flies do not recombine in the linked
// autosomal group: intervals 5 and 6 take no draw.
template <bool kMaleFly>
std::uint32_t Homologs(const std::int32_t* draw, const CrossoverThresholds& t) {
  std::uint32_t none = static_cast<std::uint32_t>(draw[0] & 1) << 1;
  std::uint32_t after = 0;
#pragma GCC unroll 9
  for (std::int32_t i = 1; i < kPositions; ++i) {
    if (kMaleFly && (i == 5 || i == 6)) continue;
    const std::int32_t r = draw[kMaleFly && i > 6 ? i - 2 : i];
    none |= static_cast<std::uint32_t>(r < t.afterNone[i]) << (i + 1);
    if (i == 3 || i == 6) after |= static_cast<std::uint32_t>(r < t.afterCrossover[i]) << (i + 1);
  }
  // Bit i + 1 is interval i: intervals 2 and 5 (bits 3 and 6) choose for 3 and 6 (bits 4 and 7).
  const std::uint32_t follows = ((none >> 3) & 1u) << 4 | ((none >> 6) & 1u) << 7;
  std::uint32_t changes = (none & ~follows) | (after & follows);
  // Each position takes the haplotype of the one before, changed or not.
  changes ^= changes << 1;
  changes ^= changes << 2;
  changes ^= changes << 4;
  changes ^= changes << 8;
  return changes;
}

// The getting-started exercise's first gametes take the drawn homolog at position 5.
std::uint32_t ForceHomolog(std::uint32_t homologs, OffspringState& o) {
  if (!o.gettingStarted || o.forcedCounter >= kForcedGametes) return homologs;
  const auto forced = static_cast<std::uint32_t>(o.forcedHomologs[o.forcedCounter / 2] & 1);
  ++o.forcedCounter;
  return (homologs & ~(1u << kForcedPosition)) | (forced << kForcedPosition);
}

std::uint32_t Gamete(std::uint32_t first, std::uint32_t second, std::uint32_t homologs) {
  return (first & ~homologs) | (second & homologs);
}

std::uint32_t Bit(std::uint32_t bits, std::int32_t position) { return (bits >> position) & 1u; }

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

CrossoverThresholds ThresholdsOf(const std::array<std::int32_t, kPositions>& distances) {
  CrossoverThresholds t;
  t.distances = distances;
  for (std::int32_t i = 1; i < kPositions; ++i) {
    const double p = distances[i] / 100.0;
    if (i == 3 || i == 6) {
      const double before = distances[i - 1] / 100.0;
      t.afterNone[i] = Threshold(InterferedCrossoverChance(p, before, false));
      t.afterCrossover[i] = Threshold(InterferedCrossoverChance(p, before, true));
    } else {
      t.afterNone[i] = t.afterCrossover[i] = Threshold(p);
    }
  }
  return t;
}

std::int32_t Mendel(GeneticsState& g, OffspringState& o, RandomGenerator& random) {
  std::int32_t firstClass = g.objectClass[kFirstParentObject];
  std::int32_t secondClass = g.objectClass[kSecondParentObject];
  // The mother gives haplotype 1 whichever place she stands in, so that
  // X-linked inheritance stays right when the sexes are hidden.
  if (!g.hermaphrodite && g.classes[firstClass].Sex() == 1 && g.classes[secondClass].Sex() == 0) {
    std::swap(firstClass, secondClass);
  }
  if (o.thresholds.distances != g.intervalDistance) {
    o.thresholds = ThresholdsOf(g.intervalDistance);
  }
  const CrossoverThresholds& t = o.thresholds;
  const std::uint32_t mother1 = AlleleBits(g.classes[firstClass].hap1);
  const std::uint32_t mother2 = AlleleBits(g.classes[firstClass].hap2);
  const std::uint32_t father1 = AlleleBits(g.classes[secondClass].hap1);
  const std::uint32_t father2 = AlleleBits(g.classes[secondClass].hap2);

  // The example's loci as bits: those on the X, and the lethal ones by
  // which allele kills when homozygous.
  std::uint32_t xLinked = 0, lethalOnes = 0, lethalZeros = 0;
  for (std::int32_t k = 1; k <= g.lociCount; ++k) {
    const std::uint32_t bit = 1u << g.locusPosition[k];
    if (IsXLinked(g.locusPosition[k])) xLinked |= bit;
    if (g.loci[k].lethal) (g.loci[k].dominantAllele == 1 ? lethalOnes : lethalZeros) |= bit;
  }
  const bool maleFly = g.kind == kFly && !g.hermaphrodite;
  const std::int32_t drawCount = kGameteDraws + (maleFly ? kMaleFlyDraws : kGameteDraws);

  std::uint32_t egg = 0, sperm = 0;
  std::int32_t sex = 0;
  for (;;) {
    // Both gametes' draws at once, in the order they are used.
    std::array<std::int32_t, 2 * kGameteDraws> draws;
    random.Random15Block(draws.data(), drawCount);
    const std::int32_t* father = draws.data() + kGameteDraws;
    egg = Gamete(mother1, mother2, ForceHomolog(Homologs<false>(draws.data(), t), o));
    sperm = Gamete(father1, father2, ForceHomolog(maleFly ? Homologs<true>(father, t) : Homologs<false>(father, t), o));
    sex = static_cast<std::int32_t>(Bit(egg, 1) + Bit(sperm, 1));
    // A male shows the X he has from his mother; it is stored doubled.
    // (Sons and daughters come at random: a mask, not a branch.)
    const std::uint32_t doubled = xLinked & (0u - static_cast<std::uint32_t>(sex == 1));
    sperm = (sperm & ~doubled) | (egg & doubled);
    const std::uint32_t dies = (egg & sperm & lethalOnes) | (~egg & ~sperm & lethalZeros);
    if (dies == 0) break;
  }

  std::int32_t index = 64 * sex;
  for (std::int32_t k = 1; k <= g.lociCount; ++k) {
    index += static_cast<std::int32_t>(Bit(egg, g.locusPosition[k])) << (6 - k);
    index += static_cast<std::int32_t>(Bit(sperm, g.locusPosition[k])) << (3 - k);
  }
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
