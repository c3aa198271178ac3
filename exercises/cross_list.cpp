#include "exercises/cross_list.h"

#include <algorithm>

namespace crossmere {

AddOutcome CrossList::Add(ListedCross cross, bool ordered) {
  if (std::find(crosses.begin(), crosses.end(), cross) != crosses.end()) return AddOutcome::AlreadyListed;
  const ListedCross reversed{cross.second, cross.first};
  if (!ordered && std::find(crosses.begin(), crosses.end(), reversed) != crosses.end()) {
    return AddOutcome::ListedReversed;
  }
  crosses.push_back(cross);
  return AddOutcome::Added;
}

}  // namespace crossmere
