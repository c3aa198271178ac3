#pragma once

#include <array>
#include <cstdint>

namespace crossmere {

// The option record of one exercise: a flag per option item 51..107, item k
// kept in byte k - 51 (byte 0, item 51, is never used).
struct ExerciseOptions {
  static constexpr std::int32_t kFirstItem = 51;
  static constexpr std::int32_t kLastItem = 107;

  std::array<std::uint8_t, kLastItem - kFirstItem + 1> flags{};

  bool On(std::int32_t item) const {
    return item >= kFirstItem && item <= kLastItem && flags[item - kFirstItem] != 0;
  }
  void Set(std::int32_t item, bool on = true) {
    if (item >= kFirstItem && item <= kLastItem) flags[item - kFirstItem] = on ? 1 : 0;
  }
  bool operator==(const ExerciseOptions&) const = default;
};

}  // namespace crossmere
