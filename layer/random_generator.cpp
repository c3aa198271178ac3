#include "layer/random_generator.h"

#include <algorithm>

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

void RandomGenerator::Random15Block(std::int32_t* out, std::int32_t count) {
  auto& lagged = state_.lagged;
  while (count > 0) {
    // A run of draws in which neither tap wraps round the table.
    const std::int32_t run = std::min({count, kTableSize + 1 - state_.tapI, kTableSize + 1 - state_.tapJ});
    const std::int32_t i = state_.tapI, j = state_.tapJ;
    for (std::int32_t n = 0; n < run; ++n) {
      const std::int32_t value = (lagged[i + n] + lagged[j + n]) & 32767;
      lagged[i + n] = value;
      out[n] = value;
    }
    out += run;
    count -= run;
    state_.tapI = i + run > kTableSize ? 1 : i + run;
    state_.tapJ = j + run > kTableSize ? 1 : j + run;
  }
}

}  // namespace crossmere
