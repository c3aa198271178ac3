#pragma once

#include <cstdint>

namespace crossmere {

struct Session;

// The first window of a teacher's run. True when the run goes on to the
// Answers menu with the first student shown; otherwise the program ends.
bool TeacherMenu(Session& session);

// The Answers menu's commands; false for any other event.
bool AnswersEvent(Session& session, std::int32_t window, std::int32_t item);

}  // namespace crossmere
