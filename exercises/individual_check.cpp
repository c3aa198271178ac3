#include "exercises/individual_check.h"

#include "exercises/catalogue.h"

namespace crossmere {
namespace {

bool HemizygousMale(const GeneticsState& genetics, const Genotype& genotype, std::int32_t locus) {
  return IsXLinked(genetics.locusPosition[locus]) && genotype.Sex() == 1;
}

}  // namespace

bool FirstHomozygoteQuestion(const PreparedQuestions& questions, std::int32_t q) {
  for (std::int32_t k = 1; k < q; ++k) {
    if (IsHomozygoteQuestion(questions.list.types[k])) return false;
  }
  return true;
}

FindContext FindQuestionContext(const GeneticsState& genetics, const PreparedQuestions& questions,
                                const ExerciseOptions& options, std::int32_t q) {
  FindContext context;
  const std::int32_t type = questions.list.types[q];
  context.heterozygote = IsHeterozygoteQuestion(type);
  std::int32_t homozygoteQuestions = 0;
  for (std::int32_t k = 1; k <= questions.list.count; ++k) {
    if (IsHomozygoteQuestion(questions.list.types[k])) ++homozygoteQuestions;
  }
  const bool first = FirstHomozygoteQuestion(questions, q);
  if (type == 19) {
    context.locus = 2;
  } else if (IsHomozygoteQuestion(type) && genetics.lociCount == 2 && !first) {
    context.locus = 2;
  }
  if (context.locus > genetics.lociCount) context.locus = 1;

  const LocusRule& rule = genetics.loci[context.locus];
  bool recessive = false;
  if (genetics.lociCount == 1) {
    recessive = homozygoteQuestions >= 2 ? first : options.DominantBackcrossParents();
  }
  context.requestedAllele = recessive ? rule.recessiveAllele : rule.dominantAllele;
  return context;
}

FindVerdict JudgeIndividual(const GeneticsState& genetics, std::int32_t classNumber, std::int32_t type,
                            const FindContext& context) {
  using namespace find_text;
  const Genotype& genotype = genetics.classes[classNumber];
  if (HemizygousMale(genetics, genotype, context.locus)) return {false, kHemizygousMale};
  const std::int32_t position = genetics.locusPosition[context.locus];
  const bool homozygous = genotype.hap1[position] == genotype.hap2[position];
  if (IsHeterozygoteQuestion(type)) return homozygous ? FindVerdict{false, kHomozygoteClicked} : FindVerdict{true, kGood};
  if (!homozygous) return {false, kHeterozygoteClicked};
  if (genotype.hap1[position] != context.requestedAllele) return {false, kWrongAllele};
  return {true, kGood};
}

bool HasRequestedGenotype(const GeneticsState& genetics, std::int32_t classNumber, const FindContext& context) {
  if (classNumber < 1 || classNumber > kClassCount) return false;
  const Genotype& genotype = genetics.classes[classNumber];
  if (HemizygousMale(genetics, genotype, context.locus)) return false;
  const std::int32_t position = genetics.locusPosition[context.locus];
  if (context.heterozygote) return genotype.hap1[position] != genotype.hap2[position];
  return genotype.hap1[position] == context.requestedAllele && genotype.hap2[position] == context.requestedAllele;
}

bool RequestedGenotypeLethal(const GeneticsState& genetics, const FindContext& context) {
  const LocusRule& rule = genetics.loci[context.locus];
  return !context.heterozygote && rule.lethal && context.requestedAllele == rule.dominantAllele;
}

}  // namespace crossmere
