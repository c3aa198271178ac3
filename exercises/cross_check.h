#pragma once

#include <array>
#include <cstdint>

#include "genetics/genetics_state.h"

namespace crossmere {

// A parent standing in the crossing box: its genotype class (0 = the place is
// empty) and whether it is an offspring of the exercise's starting parents.
struct CrossParent {
  std::int32_t classNumber = 0;
  bool f1 = false;
};

namespace cross_check {
inline constexpr std::int32_t kRight = 0;
inline constexpr std::int32_t kNoCross = -3;
inline constexpr std::int32_t kOneNotF1 = 1;
inline constexpr std::int32_t kNeitherF1 = 2;
inline constexpr std::int32_t kIntercrossInstead = 3;
inline constexpr std::int32_t kDominantBackcross = 4;
}  // namespace cross_check

// Whether the crossing box holds the cross a question asks for: type 7 asks
// for an F1 testcross, 4 and 10 for an F1 intercross; types from 10 on judge
// loci 1 and 2, the others locus 1. 0 when right, else a code of cross_check.
std::int32_t CrossCheck(const GeneticsState& genetics, const std::array<CrossParent, 2>& parents,
                        std::int32_t type);

// Entry of list 504 telling the student what is wrong with the cross.
constexpr std::int32_t CrossCheckMessageIndex(std::int32_t result) {
  return result == cross_check::kNoCross ? 10 : 10 + result;
}

}  // namespace crossmere
