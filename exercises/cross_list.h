#pragma once

#include <cstdint>
#include <vector>

namespace crossmere {

// Entries of list 520, the texts of "List all crosses".
namespace cross_list_text {
inline constexpr std::int32_t kInstruction = 1;
inline constexpr std::int32_t kAdded = 2;
inline constexpr std::int32_t kAlreadyListed = 3;
inline constexpr std::int32_t kListedReversed = 4;
inline constexpr std::int32_t kNoCross = 5;
inline constexpr std::int32_t kMoreToGo = 6;
inline constexpr std::int32_t kFemaleFirst = 7;
inline constexpr std::int32_t kSixCrosses = 8;
inline constexpr std::int32_t kAddButton = 9;
inline constexpr std::int32_t kCompleteButton = 10;
}  // namespace cross_list_text

// A two-allele locus has exactly six different crosses.
inline constexpr std::int32_t kAllCrosses = 6;

// A cross by the two parents' allele sums at the locus: the female (or first
// parent) and the male (or second).
struct ListedCross {
  std::int32_t first = 0;
  std::int32_t second = 0;
  bool operator==(const ListedCross&) const = default;
};

enum class AddOutcome { Added, AlreadyListed, ListedReversed };

// The crosses the student has listed, in the order added. With `ordered`
// (separate sexes at a sex-linked locus) a cross and its reciprocal differ;
// otherwise the order of the parents does not matter.
struct CrossList {
  std::vector<ListedCross> crosses;
  bool complete = false;

  AddOutcome Add(ListedCross cross, bool ordered);
};

}  // namespace crossmere
