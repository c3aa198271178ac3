#include "layer/random_generator.h"

namespace crossmere {

void RandomGenerator::RandomSeed(std::int32_t seed) {
  state_.seedStream = 2u * static_cast<std::uint32_t>(seed) + 1u;
  state_.tapI = 1;
  state_.tapJ = 1 + kTapDistance;
  for (int position = 1; position <= kTableSize; ++position) {
    state_.seedStream *= 1812433253u;
    // The stream is always odd, so the signed value is never INT32_MIN.
    const auto asSigned = static_cast<std::int32_t>(state_.seedStream);
    const auto v = static_cast<std::uint32_t>(asSigned < 0 ? -asSigned : asSigned);
    state_.lagged[position] = static_cast<std::int32_t>((v >> (v % 8 + 4)) % 32768u);
  }
}

std::int32_t RandomGenerator::Random15() {
  const std::int32_t sum = state_.lagged[state_.tapI] + state_.lagged[state_.tapJ];
  const std::int32_t value = sum & 32767;
  state_.lagged[state_.tapI] = value;
  state_.tapI = state_.tapI == kTableSize ? 1 : state_.tapI + 1;
  state_.tapJ = state_.tapJ == kTableSize ? 1 : state_.tapJ + 1;
  return value;
}

}  // namespace crossmere
