// The starting parents of an example and the extra stock in the Storage container.

#include <algorithm>

#include "genetics/exercise_setup.h"
#include "genetics/genotype_classes.h"

namespace crossmere {
namespace {

constexpr int kParentAttempts = 200;

// A parent's alleles at loci 1..3: a on haplotype 1, b on haplotype 2.
struct ParentAlleles {
  std::array<std::int32_t, 4> a{};
  std::array<std::int32_t, 4> b{};
};

std::int32_t Bit(RandomGenerator& random) { return random.Random15() % 2; }

class ParentChooser {
 public:
  ParentChooser(const GeneticsState& g, const ExerciseOptions& options, RandomGenerator& random)
      : g_(g), options_(options), random_(random) {}

  // The mother and the father (or two sex-0 parents), by the exercise's parent-cross option.
  std::pair<ParentAlleles, ParentAlleles> Choose() {
    const std::int32_t n = g_.lociCount;
    ParentAlleles mother;
    ParentAlleles father;
    if (options_.PureBreedingParents()) {
      PureBreeding(mother, father);
    } else if (options_.IntercrossParents()) {
      const auto bits = Bits();
      mother = Heterozygote(bits);
      father = mother;
    } else if (options_.TestcrossParents() || options_.DominantBackcrossParents()) {
      const auto bits = Bits();
      std::int32_t which = Bit(random_);
      if (!g_.hermaphrodite && IsXLinked(g_.locusPosition[1])) which = 0;
      ParentAlleles het = Heterozygote(bits);
      ParentAlleles hom;
      for (std::int32_t k = 1; k <= n; ++k) {
        hom.a[k] = hom.b[k] = options_.TestcrossParents() ? Recessive(k) : Dominant(k);
      }
      mother = which == 0 ? het : hom;
      father = which == 0 ? hom : het;
    } else {
      Mixed(mother, father);
    }
    if (!g_.hermaphrodite) {
      for (std::int32_t k = 1; k <= n; ++k) {
        if (IsXLinked(g_.locusPosition[k])) father.b[k] = father.a[k];
      }
    }
    return {mother, father};
  }

 private:
  std::int32_t Dominant(std::int32_t k) const { return g_.loci[k].dominantAllele; }
  std::int32_t Recessive(std::int32_t k) const { return g_.loci[k].recessiveAllele; }
  std::int32_t Allele(std::int32_t k, std::int32_t bit) const { return bit == 1 ? Dominant(k) : Recessive(k); }

  // One bit per locus, drawn before the parents are made.
  std::array<std::int32_t, 4> Bits() {
    std::array<std::int32_t, 4> bits{};
    for (std::int32_t k = 1; k <= 3; ++k) bits[k] = Bit(random_);
    // Which bit decides locus 2's phase; either way coupling and repulsion are equally likely.
    if (options_.DominantMother() && !options_.PhaseFromSecondBit()) std::swap(bits[2], bits[3]);
    return bits;
  }

  ParentAlleles Heterozygote(const std::array<std::int32_t, 4>& bits) const {
    ParentAlleles het;
    for (std::int32_t k = 1; k <= g_.lociCount; ++k) {
      het.a[k] = Allele(k, bits[k]);
      het.b[k] = Allele(k, 1 - bits[k]);
    }
    return het;
  }

  void PureBreeding(ParentAlleles& mother, ParentAlleles& father) {
    const std::int32_t n = g_.lociCount;
    const bool xLinked = IsXLinked(g_.locusPosition[1]);
    std::array<std::int32_t, 4> motherDominant{};
    if (n == 1 && xLinked) {
      motherDominant[1] = options_.Reciprocal() ? 0 : 1;
    } else if (n == 1) {
      motherDominant[1] = Bit(random_);
    } else if (xLinked && (options_.DominantMother() || options_.Reciprocal())) {
      motherDominant.fill(options_.Reciprocal() ? 0 : 1);
    } else {
      const auto bits = Bits();
      for (std::int32_t k = 1; k <= n; ++k) motherDominant[k] = bits[k];
    }
    for (std::int32_t k = 1; k <= n; ++k) {
      mother.a[k] = mother.b[k] = Allele(k, motherDominant[k]);
      father.a[k] = father.b[k] = Allele(k, 1 - motherDominant[k]);
    }
  }

  void Mixed(ParentAlleles& mother, ParentAlleles& father) {
    const std::int32_t n = g_.lociCount;
    if (n == 1) {
      const bool pure = random_.Random15() % 3 == 0 && !options_.NoPureBreedingInMix();
      if (pure) {
        const std::int32_t bit = Bit(random_);
        mother.a[1] = mother.b[1] = Allele(1, bit);
        father.a[1] = father.b[1] = Allele(1, 1 - bit);
      } else if (Bit(random_) == 0) {
        mother.a[1] = father.a[1] = Dominant(1);
        mother.b[1] = father.b[1] = Recessive(1);
      } else {
        ParentAlleles het;
        het.a[1] = Dominant(1);
        het.b[1] = Recessive(1);
        ParentAlleles hom;
        hom.a[1] = hom.b[1] = Recessive(1);
        const bool hetMother = Bit(random_) == 0;
        mother = hetMother ? het : hom;
        father = hetMother ? hom : het;
      }
      return;
    }
    // Several loci: the mother at random, the father complementary locus by locus.
    for (std::int32_t k = 1; k <= n; ++k) {
      mother.a[k] = Allele(k, Bit(random_));
      mother.b[k] = Allele(k, Bit(random_));
    }
    for (std::int32_t k = 1; k <= n; ++k) {
      if (mother.a[k] == mother.b[k]) {
        father.a[k] = father.b[k] = 1 - mother.a[k];
      } else {
        father.a[k] = Allele(k, Bit(random_));
        father.b[k] = Recessive(k);
      }
    }
  }

  const GeneticsState& g_;
  const ExerciseOptions& options_;
  RandomGenerator& random_;
};

std::int32_t ClassOf(const GeneticsState& g, std::int32_t sex, const ParentAlleles& p) {
  std::int32_t classNumber = g.classIndexTable[ClassIndexOf(sex, p.a, p.b)];
  if (g.lociCount < 3) classNumber += kStockMark;
  return classNumber;
}

bool LethalHomozygote(const GeneticsState& g, const ParentAlleles& p) {
  for (std::int32_t k = 1; k <= g.lociCount; ++k) {
    const LocusRule& locus = g.loci[k];
    if (locus.lethal && p.a[k] == locus.dominantAllele && p.b[k] == locus.dominantAllele) return true;
  }
  return false;
}

bool SegregatesAtLocusOne(const ParentAlleles& mother, const ParentAlleles& father) {
  return !(mother.a[1] == mother.b[1] && mother.b[1] == father.a[1] && father.a[1] == father.b[1]);
}

std::int32_t FreeObject(const GeneticsState& g) {
  std::int32_t object = kFirstOffspringObject;
  while (object <= kLastOffspringObject && g.objectClass[object] != 0) ++object;
  return object <= kLastOffspringObject ? object : 0;
}

void AddToStorage(GeneticsState& g, ExampleState& example, std::int32_t classNumber) {
  const std::int32_t object = FreeObject(g);
  if (object == 0) return;
  g.objectClass[object] = classNumber;
  example.storage.push_back(object);
}

// One individual of each distinct genotype, for each sex.
void AddEveryGenotype(GeneticsState& g, ExampleState& example) {
  const std::int32_t n = g.lociCount;
  const std::int32_t sexes = g.hermaphrodite ? 1 : 2;
  for (std::int32_t sex = 0; sex < sexes; ++sex) {
    for (std::int32_t c = 1; c <= kClassCount; ++c) {
      const Genotype& genotype = g.classes[c];
      if (genotype.Sex() != sex || g.genotypeEquivalence[c] != c || IsLethalClass(g, c)) continue;
      bool usable = true;
      for (std::int32_t k = n + 1; k <= 3; ++k) usable &= ((c - 1) >> (2 * k - 1)) % 4 == 0;
      for (std::int32_t k = 1; k <= n && sex == 1; ++k) {
        const std::int32_t position = g.locusPosition[k];
        usable &= !IsXLinked(position) || genotype.hap1[position] == genotype.hap2[position];
      }
      if (usable) AddToStorage(g, example, n < 3 ? c + kStockMark : c);
    }
  }
}

// Wild type, then each single-locus mutant stock, a female and a male of each.
void AddSingleLocusStocks(GeneticsState& g, ExampleState& example, RandomGenerator& random) {
  const std::int32_t n = g.lociCount;
  std::array<std::int32_t, 3> order{1, 2, 3};
  if (n == 3) {
    if (random.Random15() % 3 == 1) {
      order = {1, 3, 2};
    } else if (Bit(random) == 0) {
      order = {2, 1, 3};
    }
  }
  auto addRow = [&](std::int32_t mutantLocus) {
    ParentAlleles stock;
    if (mutantLocus != 0) stock.a[mutantLocus] = stock.b[mutantLocus] = 1;
    if (LethalHomozygote(g, stock)) return;
    for (std::int32_t sex = 0; sex < 2; ++sex) {
      AddToStorage(g, example, ClassOf(g, g.hermaphrodite ? 0 : sex, stock));
    }
  };
  addRow(0);
  for (std::int32_t i = 0; i < n; ++i) addRow(order[i]);
}

}  // namespace

void PlaceStartingStock(GeneticsState& g, ExampleState& example, OffspringState& offspring,
                        RandomGenerator& random, const ExampleRequest& request) {
  const ExerciseOptions& options = *request.options;
  std::fill(g.objectClass.begin(), g.objectClass.end(), 0);
  offspring.pending = 0;
  offspring.highestObject = 0;
  example.storage.clear();
  example.startingParents = {};
  example.parentObjects = {};
  example.lethalCleared = false;
  example.storageName = g.kind == kFly ? "Storage bottle" : g.kind == kPlant ? "Storage tray" : "Storage cage";

  if (!options.SingleLocusStock() && !options.AllStock()) {
    ParentChooser chooser(g, options, random);
    auto parents = chooser.Choose();
    auto acceptable = [&](const auto& p) {
      return !LethalHomozygote(g, p.first) && !LethalHomozygote(g, p.second) &&
             SegregatesAtLocusOne(p.first, p.second);
    };
    for (int attempt = 1; attempt < kParentAttempts && !acceptable(parents); ++attempt) {
      parents = chooser.Choose();
    }
    if (!acceptable(parents)) {
      // Nothing avoids a lethal homozygous parent: this example has no lethal locus.
      for (LocusRule& locus : g.loci) locus.lethal = false;
      example.lethalCleared = true;
      for (int attempt = 1; attempt < kParentAttempts && !acceptable(parents); ++attempt) {
        parents = chooser.Choose();
      }
    }
    const std::int32_t motherClass = ClassOf(g, 0, parents.first);
    const std::int32_t fatherClass = ClassOf(g, g.hermaphrodite ? 0 : 1, parents.second);
    // With hidden sexes the parents may stand either way round.
    const bool fatherFirst = options.HiddenSex() && Bit(random) == 1;
    g.objectClass[kFirstOffspringObject] = fatherFirst ? fatherClass : motherClass;
    g.objectClass[kFirstOffspringObject + 1] = fatherFirst ? motherClass : fatherClass;
    g.objectClass[kFirstParentObject] = g.objectClass[kFirstOffspringObject];
    g.objectClass[kSecondParentObject] = g.objectClass[kFirstOffspringObject + 1];
    example.startingParents = {kFirstOffspringObject, kFirstOffspringObject + 1};
    example.parentObjects = example.startingParents;
  }

  if (options.AllStock()) {
    AddEveryGenotype(g, example);
  } else if (options.SingleLocusStock()) {
    AddSingleLocusStocks(g, example, random);
  }
  if (options.SingleLocusStock() || options.AllStock()) {
    offspring.counters[0] = 2 * g.lociCount + 2;
    offspring.counters[1] = 0;
  }
}

}  // namespace crossmere
