#pragma once

#include <cstdint>

namespace crossmere {

struct Session;

// Writes "m  /  n" into a label, in the good colour only when m equals n.
void ShowMarks(Session& session, std::int32_t marks, std::int32_t available, std::int32_t dialog, std::int32_t item);
// Writes the time since `start` (ticks) into a label.
void ShowElapsed(Session& session, std::int64_t start, std::int32_t dialog, std::int32_t item);

}  // namespace crossmere
