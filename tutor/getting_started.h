#pragma once

#include <cstdint>

namespace crossmere {

struct Session;

// The "Getting started" instruction window and its controls.
namespace getting_started {
inline constexpr std::int32_t kWindow = 623;
inline constexpr std::int32_t kStep = 401;
inline constexpr std::int32_t kScreen = 402;
inline constexpr std::int32_t kProblem = 403;
inline constexpr std::int32_t kBack = 990;
inline constexpr std::int32_t kNext = 1000;
inline constexpr std::int32_t kQuit = 980;
// Reaching this screen means every step that checks the workspace is done.
inline constexpr std::int32_t kPracticalDone = 45;
}  // namespace getting_started

// Opens the tutorial at its first screen when the exercise begins with
// "Getting started" (not in a trial), and otherwise puts it away. While the
// exercise's description shows, the tutorial waits for it to be put away.
void OpenTutorial(Session& session);
void OpenWaitingTutorial(Session& session);

// Handles a click in the tutorial window; false when the event is not its.
bool TutorialEvent(Session& session, std::int32_t window, std::int32_t item);

}  // namespace crossmere
