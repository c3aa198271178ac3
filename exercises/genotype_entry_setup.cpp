#include "exercises/genotype_entry_setup.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "exercises/question_types.h"
#include "genetics/genotype_classes.h"

namespace crossmere {
namespace {

// The genes of a class at the example's locus k: a male at an X-linked locus
// has one.
std::array<std::int32_t, 2> GenesOf(const GeneticsState& genetics, std::int32_t classNumber, std::int32_t k) {
  const Genotype& genotype = genetics.classes[classNumber];
  const std::int32_t position = genetics.locusPosition[k];
  if (genotype.Sex() == 1 && IsXLinked(position)) return {genotype.hap1[position], kNoGene};
  return {genotype.hap1[position], genotype.hap2[position]};
}

EntryGenotype GenotypeOf(const GeneticsState& genetics, const EntrySetUp& setUp, std::int32_t classNumber) {
  EntryGenotype genotype;
  for (std::int32_t j = 0; j < setUp.question.lociCount; ++j) {
    genotype.loci[j] = GenesOf(genetics, classNumber, setUp.loci[j]);
  }
  return genotype;
}

// The first living class of the example of a sex whose genes at locus k add
// up to `sum` (a male at an X-linked locus counts his one gene twice).
std::int32_t ClassWith(const GeneticsState& genetics, std::int32_t sex, std::int32_t k, std::int32_t sum) {
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    if (!ClassInExample(genetics, c) || genetics.classes[c].Sex() != sex) continue;
    if (genetics.classes[c].Sum(genetics.locusPosition[k]) == sum) return c;
  }
  return 0;
}

// Two individuals of one phenotype: the prepared choices say which
// homozygote's phenotype, and which of its genotypes each individual has.
void ChooseIndividuals(const GeneticsState& genetics, const ExampleState& example, std::int32_t q, EntrySetUp& setUp) {
  const std::int32_t k = setUp.loci[0];
  const auto& choices = example.thirtyChoices[std::clamp(q, 1, 10)];
  const std::int32_t phenotype = genetics.loci[k].phenotype[choices[1] == 1 ? 0 : 2];
  for (std::int32_t i = 0; i < 2; ++i) {
    const std::int32_t sex = genetics.hermaphrodite ? 0 : i;
    std::vector<std::int32_t> classes;
    std::vector<EntryGenotype>& truth = setUp.question.truth[i];
    for (std::int32_t sum = 0; sum <= 2; ++sum) {
      if (genetics.loci[k].phenotype[sum] != phenotype) continue;
      const std::int32_t c = ClassWith(genetics, sex, k, sum);
      if (c == 0) continue;
      classes.push_back(c);
      truth.push_back(GenotypeOf(genetics, setUp, c));
    }
    if (classes.empty()) continue;
    setUp.classes[i] = classes[static_cast<std::size_t>(choices[2 + i] - 1) % classes.size()];
  }
}

}  // namespace

EntrySetUp SetUpEntryQuestion(const GeneticsState& genetics, const ExampleState& example,
                              const ExerciseOptions& options, const PreparedQuestions& questions, std::int32_t q) {
  EntrySetUp setUp;
  EntryQuestion& question = setUp.question;
  const std::int32_t type = questions.list.types[std::clamp(q, 1, kMaxQuestions)];
  question.wildNotation = type == 2 || type == 12;
  question.parents = options.PureBreedingParents() && options.Locked();
  question.ySymbol = genetics.ySymbol;
  if (question.parents) {
    question.lociCount = std::min(genetics.lociCount, kMaxEntryLoci);
  } else {
    setUp.loci = {(type == 11 || type == 12) && genetics.lociCount >= 2 ? 2 : 1, 0};
  }
  // The program's own symbols in the question's notation.
  GeneticsState written = genetics;
  written.wildNotation = question.wildNotation;
  BuildGenotypeTexts(written);
  for (std::int32_t j = 0; j < question.lociCount; ++j) {
    const std::int32_t k = setUp.loci[j];
    const LocusRule& rule = genetics.loci[k];
    EntryLocus& locus = question.loci[j];
    locus.xLinked = IsXLinked(genetics.locusPosition[k]);
    locus.symbols = written.loci[k].symbol;
    // The program writes a mutant in capitals exactly when its heterozygote shows.
    locus.heterozygoteDistinct = question.wildNotation && std::isupper(static_cast<unsigned char>(locus.symbols[1][0]));
    locus.canines = genetics.kind == kDinosaurDog && rule.character == 3 && rule.phenotype[1] == 2;
  }
  for (std::int32_t k = 1; k < q && k <= questions.list.count; ++k) {
    question.secondQuestion |= QuestionTypeOf(questions.list.types[k]).family == QuestionFamilyId::GenotypeEntry;
  }
  if (question.parents) {
    setUp.classes = {genetics.objectClass[kFirstParentObject], genetics.objectClass[kSecondParentObject]};
    // With the sexes hidden the father may stand first; the female goes left.
    const auto sexOf = [&](std::int32_t c) { return c == 0 ? 0 : genetics.classes[c].Sex(); };
    if (sexOf(setUp.classes[0]) == 1 && sexOf(setUp.classes[1]) == 0) std::swap(setUp.classes[0], setUp.classes[1]);
    for (std::int32_t i = 0; i < 2; ++i) {
      if (setUp.classes[i] != 0) question.truth[i] = {GenotypeOf(genetics, setUp, setUp.classes[i])};
    }
  } else {
    ChooseIndividuals(genetics, example, q, setUp);
  }
  return setUp;
}

}  // namespace crossmere
