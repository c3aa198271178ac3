#include "tutor/question_families.h"

namespace crossmere {

const QuestionFamily* FamilyOf(std::int32_t type) {
  switch (type) {
    case 3:
    case 13:
    case 17:
    case 19:
      return &kFindIndividualFamily;
    case 4:
    case 7:
    case 10:
      return &kCrossSetUpFamily;
    default:
      return nullptr;
  }
}

}  // namespace crossmere
