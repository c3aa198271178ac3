#include "exercises/single_choice_check.h"

#include <array>

namespace crossmere {
namespace {

using namespace choice_text;

bool AtBothLoci(const GeneticsState& genetics, std::int32_t classNumber, auto&& test) {
  if (classNumber < 1 || classNumber > kClassCount || genetics.lociCount < 2) return false;
  const Genotype& genotype = genetics.classes[classNumber];
  for (std::int32_t k = 1; k <= 2; ++k) {
    if (!test(genetics.loci[k], genotype.Sum(genetics.locusPosition[k]))) return false;
  }
  return true;
}

bool DoubleHeterozygote(const GeneticsState& genetics, std::int32_t classNumber) {
  return AtBothLoci(genetics, classNumber, [](const LocusRule&, std::int32_t sum) { return sum == 1; });
}

bool DoubleRecessive(const GeneticsState& genetics, std::int32_t classNumber) {
  return AtBothLoci(genetics, classNumber,
                    [](const LocusRule& locus, std::int32_t sum) { return sum == 2 * locus.recessiveAllele; });
}

}  // namespace

bool LocusAnswerRight(const GeneticsState& genetics, bool sexLinkedChosen) {
  return sexLinkedChosen == IsXLinked(genetics.locusPosition[1]);
}

bool InformativeForLinkage(const GeneticsState& genetics, std::int32_t firstParent, std::int32_t secondParent) {
  return (DoubleHeterozygote(genetics, firstParent) && DoubleRecessive(genetics, secondParent)) ||
         (DoubleHeterozygote(genetics, secondParent) && DoubleRecessive(genetics, firstParent));
}

LinkageVerdict JudgeLinkage(const GeneticsState& genetics, std::int32_t firstParent, std::int32_t secondParent,
                            std::int32_t offspring, std::int32_t minimumOffspring, LinkageChoice choice) {
  LinkageVerdict verdict;
  if (!InformativeForLinkage(genetics, firstParent, secondParent)) {
    verdict.good = choice == LinkageChoice::CantTell;
    verdict.message = verdict.good ? kLinkageGood : kUninformative;
    return verdict;
  }
  if (offspring < minimumOffspring) {
    verdict.refuse = true;
    verdict.message = choice == LinkageChoice::CantTell ? kMoreOffspring : kAtLeast;
    return verdict;
  }
  const bool linked = !genetics.unlinked12;
  if (linked && choice != LinkageChoice::Linked) {
    verdict.message = kTheyAreLinked;
  } else if (!linked && choice != LinkageChoice::Unlinked) {
    verdict.message = kTheyAreUnlinked;
  } else {
    verdict.good = true;
    verdict.message = kLinkageGood;
  }
  return verdict;
}

}  // namespace crossmere
