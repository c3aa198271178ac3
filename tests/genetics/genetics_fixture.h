#pragma once

#include <array>
#include <cmath>
#include <map>

#include "genetics/genetics_state.h"
#include "genetics/genotype_classes.h"
#include "genetics/offspring.h"

namespace crossmere::testing {

// One locus as a test describes it: its position and how the heterozygote looks.
struct TestLocus {
  std::int32_t position = 5;
  std::int32_t heterozygote = 3;  // 1: allele 0 dominant, 2: intermediate, 3: allele 1 dominant
  bool lethal = false;
};

// A small genetics state with loci on characters 2, 3, 4 and the given distances.
inline GeneticsState MakeGenetics(std::int32_t kind, std::vector<TestLocus> loci, bool sexes = true,
                                  std::array<std::int32_t, 10> distances = {0, 0, 20, 20, 50, 20, 20,
                                                                            50, 50, 50}) {
  GeneticsState g;
  g.kind = kind;
  g.hermaphrodite = !sexes;
  g.lociCount = static_cast<std::int32_t>(loci.size());
  g.intervalDistance = distances;
  for (std::int32_t c = 2; c <= kMaxCharacter; ++c) {
    g.upperSymbol[c] = static_cast<char>('A' + c);
    g.lowerSymbol[c] = static_cast<char>('a' + c);
  }
  for (std::int32_t k = 1; k <= g.lociCount; ++k) {
    const TestLocus& t = loci[k - 1];
    LocusRule& rule = g.loci[k];
    g.locusPosition[k] = t.position;
    rule.character = k + 1;
    rule.phenotype = {1, t.heterozygote, 3};
    rule.dominantAllele = t.heterozygote == 1 ? 0 : 1;
    rule.recessiveAllele = 1 - rule.dominantAllele;
    rule.lethal = t.lethal;
  }
  g.unlinked12 = g.locusPosition[2] >= 8 || IsXLinked(g.locusPosition[1]) != IsXLinked(g.locusPosition[2]);
  g.unlinked13 = true;
  g.unlinked23 = g.locusPosition[3] >= 8;
  BuildGenotypeClasses(g);
  return g;
}

// The class of a genotype given as alleles per locus on each haplotype.
inline std::int32_t ClassOfAlleles(const GeneticsState& g, std::int32_t sex,
                                   std::array<std::int32_t, 4> a, std::array<std::int32_t, 4> b) {
  return g.classIndexTable[ClassIndexOf(sex, a, b)];
}

inline void SetParents(GeneticsState& g, std::int32_t mother, std::int32_t father) {
  g.objectClass[kFirstParentObject] = mother;
  g.objectClass[kSecondParentObject] = father;
}

// The exact distribution of offspring classes, by enumerating every gamete
// of both parents with its probability.
inline std::map<std::int32_t, double> ExpectedOffspring(const GeneticsState& g) {
  auto gametes = [&](const Genotype& parent, bool father) {
    std::map<std::array<std::uint8_t, kPositions + 1>, double> result;
    const bool maleFly = father && g.kind == kFly && !g.hermaphrodite;
    // Every pattern of homolog choices; each interval either switches or not.
    for (std::int32_t pattern = 0; pattern < (1 << kPositions); ++pattern) {
      std::array<std::int32_t, kPositions + 1> choice{};
      choice[1] = pattern & 1;
      double p = 0.5;
      bool switched = false;
      for (std::int32_t i = 1; i < kPositions && p > 0; ++i) {
        const bool sw = (pattern >> i) & 1;
        choice[i + 1] = sw ? 1 - choice[i] : choice[i];
        if (maleFly && (i == 5 || i == 6)) {
          if (sw) p = 0;
          continue;
        }
        double chance = g.intervalDistance[i] / 100.0;
        if (i == 3 || i == 6) chance = InterferedCrossoverChance(chance, g.intervalDistance[i - 1] / 100.0, switched);
        p *= sw ? chance : 1 - chance;
        switched = sw;
      }
      if (p == 0) continue;
      std::array<std::uint8_t, kPositions + 1> haplotype{};
      for (std::int32_t j = 1; j <= kPositions; ++j) haplotype[j] = choice[j] == 0 ? parent.hap1[j] : parent.hap2[j];
      result[haplotype] += p;
    }
    return result;
  };
  const Genotype& mother = g.classes[g.objectClass[kFirstParentObject]];
  const Genotype& father = g.classes[g.objectClass[kSecondParentObject]];
  std::map<std::int32_t, double> classes;
  double alive = 0;
  for (const auto& [egg, pe] : gametes(mother, false)) {
    for (const auto& [sperm, ps] : gametes(father, true)) {
      Genotype zygote;
      zygote.hap1 = egg;
      zygote.hap2 = sperm;
      std::array<std::int32_t, 4> a{}, b{};
      for (std::int32_t k = 1; k <= g.lociCount; ++k) {
        const std::int32_t position = g.locusPosition[k];
        if (zygote.Sex() == 1 && IsXLinked(position)) zygote.hap2[position] = zygote.hap1[position];
        a[k] = zygote.hap1[position];
        b[k] = zygote.hap2[position];
      }
      const std::int32_t c = ClassOfAlleles(g, zygote.Sex(), a, b);
      if (IsLethalClass(g, c)) continue;
      classes[c] += pe * ps;
      alive += pe * ps;
    }
  }
  for (auto& [c, p] : classes) p /= alive;
  return classes;
}

// Upper 0.1% point of chi-square (Wilson-Hilferty).
inline double ChiSquareCritical(std::int32_t df) {
  const double z = 3.0902;
  const double h = 2.0 / (9.0 * df);
  return df * std::pow(1.0 - h + z * std::sqrt(h), 3);
}

}  // namespace crossmere::testing
