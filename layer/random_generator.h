#pragma once

#include <array>
#include <cstdint>

namespace crossmere {

// The program's one source of randomness: an additive lagged generator,
// x(n) = (x(n - 607) + x(n - 460)) mod 32768, started from a congruential
// stream. The order of draws fixes every example a student sees, so the
// arithmetic here must never change.
class RandomGenerator {
 public:
  static constexpr int kTableSize = 607;
  static constexpr int kTapDistance = 147;

  struct State {
    std::uint32_t seedStream = 1;
    std::array<std::int32_t, kTableSize + 1> lagged{};  // positions 1..607
    std::int32_t tapI = 1;
    std::int32_t tapJ = 1 + kTapDistance;

    bool operator==(const State&) const = default;
  };

  RandomGenerator() { RandomSeed(0); }

  void RandomSeed(std::int32_t seed);
  // One draw in 0..32767.
  std::int32_t Random15();
  // `count` draws at once, exactly as that many calls of Random15 give them.
  void Random15Block(std::int32_t* out, std::int32_t count);
  void RandomSave() { saved_ = state_; }
  void RandomRestore() { state_ = saved_; }

  // The whole state, for a saved-work file to keep and bring back.
  const State& CurrentState() const { return state_; }
  void SetCurrentState(const State& state) { state_ = state; }

 private:
  State state_;
  State saved_;
};

}  // namespace crossmere
