#include "genetics/characters.h"

namespace crossmere {
namespace {

constexpr int kCharacterDraws = 1001;

// Heterozygote appearance and dominant allele by the "Mutations:" options.
void ChooseDominance(LocusRule& locus, const ExerciseOptions& options, std::int32_t t,
                     std::int32_t b) {
  locus.phenotype = {1, 0, 3};
  locus.dominantAllele = 1;
  if (options.Intermediate() || (options.MutationMixture() && t == 0)) {
    locus.phenotype[1] = 2;
  } else if (options.DominantMutations()) {
    locus.phenotype[1] = 3;
  } else if (!options.MutationMixture() && !options.EitherDominance()) {
    locus.phenotype[1] = 1;
    locus.dominantAllele = 0;
  } else if (b == 1) {
    locus.phenotype[1] = 1;
    locus.dominantAllele = 0;
  } else {
    locus.phenotype[1] = 3;
  }
}

}  // namespace

void ChooseCharacters(GeneticsState& genetics, RandomGenerator& random, const CharacterChoice& choice,
                      std::array<bool, kMaxCharacter + 1>& excluded,
                      std::vector<std::string>* alerts) {
  const ExerciseOptions& options = *choice.options;
  const std::int32_t characters = CharacterCount(genetics.kind);
  const std::int32_t n = genetics.lociCount;

  genetics.loci[0].character = 1;
  genetics.loci[0].phenotype = {1, 2, 2};
  genetics.backgroundValues.fill(1);
  for (std::int32_t c = 1; c <= characters; ++c) {
    genetics.backgroundValues[c] = choice.randomBackground ? random.Random15() % 3 + 1 : 1;
  }

  genetics.usedPhenos.fill(false);
  std::int32_t available = 0;
  for (std::int32_t c = 2; c <= characters; ++c) available += excluded[c] ? 0 : 1;
  if (available < n) excluded.fill(false);

  for (std::int32_t k = 1; k <= 3; ++k) {
    LocusRule& locus = genetics.loci[k];
    locus.lethal = false;
    const std::int32_t t = random.Random15() % 3;
    const std::int32_t b = random.Random15() % 2;
    ChooseDominance(locus, options, t, b);

    for (bool chosen = false; !chosen;) {
      for (int draw = 0; draw < kCharacterDraws && !chosen; ++draw) {
        const std::int32_t c = random.Random15() % (characters - 1) + 2;
        if (genetics.usedPhenos[c] || (!options.SingleExample() && excluded[c])) continue;
        if (choice.refuseIntermediateCanines && genetics.kind == kDinosaurDog && c == 3 && k == 1 &&
            locus.phenotype[1] == 2)
          continue;
        locus.character = c;
        genetics.usedPhenos[c] = true;
        chosen = true;
      }
      if (!chosen) {
        if (alerts) alerts->push_back("RESET of Usedphenos!");
        for (std::int32_t c = 2; c <= kMaxCharacter; ++c) {
          if (!genetics.usedPhenos[c]) excluded[c] = false;
        }
      }
    }
  }

  if (options.LethalHalfTheTime() || options.LethalAlways()) {
    const std::int32_t k = random.Random15() % n + 1;
    if (!options.LethalHalfTheTime()) random.Random15();  // drawn, but decides nothing
    const bool lethal = options.LethalAlways() || random.Random15() % 2 == 1;
    if (lethal) {
      LocusRule& locus = genetics.loci[k];
      locus.lethal = true;
      if (options.WildNotation()) locus.dominantAllele = 1;
      locus.phenotype[1] = locus.dominantAllele == 1 ? 3 : 1;
    }
  }

  for (LocusRule& locus : genetics.loci) locus.recessiveAllele = 1 - locus.dominantAllele;
  genetics.loci[0].dominantAllele = 1;
  genetics.loci[0].recessiveAllele = 0;
  for (std::int32_t k = 1; k <= 3; ++k) {
    LocusRule& locus = genetics.loci[k];
    if (genetics.kind == kDinosaurDog && locus.character == 3 && locus.phenotype[1] == 2) {
      std::swap(locus.dominantAllele, locus.recessiveAllele);
    }
  }
}

}  // namespace crossmere
