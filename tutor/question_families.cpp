#include "tutor/question_families.h"

#include "exercises/question_types.h"

namespace crossmere {

const QuestionFamily* FamilyOf(std::int32_t type) {
  const QuestionTypeRow& row = QuestionTypeOf(type);
  if (row.form == 0) return nullptr;
  switch (row.family) {
    case QuestionFamilyId::GenotypeEntry:
      return &kGenotypeEntryFamily;
    case QuestionFamilyId::CrossList:
      return &kCrossListFamily;
    case QuestionFamilyId::CrossTable:
      return &kCrossTableFamily;
    case QuestionFamilyId::CrossPick:
      return &kCrossPickFamily;
    case QuestionFamilyId::SingleChoice:
      return &kSingleChoiceFamily;
    case QuestionFamilyId::FindIndividual:
      return &kFindIndividualFamily;
    case QuestionFamilyId::ObservedExpected:
      return &kObservedExpectedFamily;
    case QuestionFamilyId::Recombination:
      return &kRecombinationFamily;
    case QuestionFamilyId::GettingStarted:
      return &kGettingStartedFamily;
    case QuestionFamilyId::ThreePoint:
      return &kThreePointFamily;
    case QuestionFamilyId::GeneticMap:
      return &kGeneticMapFamily;
    case QuestionFamilyId::CrossSetUp:
      return &kCrossSetUpFamily;
    default:
      return nullptr;
  }
}

}  // namespace crossmere
