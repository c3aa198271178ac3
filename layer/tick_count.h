#pragma once

#include <cstdint>

namespace crossmere {

// Time since the machine started, in ticks of 1/60 second, from a 64-bit
// monotonic clock: it neither wraps nor jumps with the wall clock, so a
// wait measured in ticks always ends.
std::int64_t TickCount();

}  // namespace crossmere
