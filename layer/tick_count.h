#pragma once

#include <cstdint>

namespace crossmere {

// Time since the machine started, in ticks of 1/60 second, from a 64-bit
// monotonic clock: it neither wraps nor jumps with the wall clock, so a
// wait measured in ticks always ends.
std::int64_t TickCount();

// A wait of whole ticks in milliseconds, to the nearest: 60 ticks are a second.
constexpr std::int32_t TickMilliseconds(std::int32_t ticks) { return (ticks * 1000 + 30) / 60; }

}  // namespace crossmere
