#include "layer/tick_count.h"

#include <chrono>

namespace crossmere {

std::int64_t TickCount() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count();
  // ms / 1000 * 60, rounded to the nearest tick.
  return (static_cast<std::int64_t>(ms) * 60 + 500) / 1000;
}

}  // namespace crossmere
