#pragma once

#include <cstdint>

namespace crossmere {

struct Session;

namespace instructions {
inline constexpr std::int32_t kDescriptionWindow = 430;
inline constexpr std::int32_t kHelpWindow = 1191;
inline constexpr std::int32_t kAboutWindow = 200;
inline constexpr std::int32_t kHeading = 5;
inline constexpr std::int32_t kText = 10;
inline constexpr std::int32_t kClose = 1000;

inline constexpr std::int32_t kAboutCommand = 101;
inline constexpr std::int32_t kProgramCommand = 170;
inline constexpr std::int32_t kMenuCommandsCommand = 175;
inline constexpr std::int32_t kDescriptionCommand = 165;

inline constexpr std::int32_t kProgramPage = 860;
inline constexpr std::int32_t kMenuCommandsPage = 861;
inline constexpr std::int32_t kAboutPage = 862;
}  // namespace instructions

// The description of the current exercise, in its own window.
void ShowExerciseDescription(Session& session);

// One of the help pages of the Instructions menu, by its command number.
void ShowHelpPage(Session& session, std::int32_t command);

// Handles a click in a description or help window; false when it was not one.
bool CloseInstructionWindow(Session& session, std::int32_t window, std::int32_t item);

}  // namespace crossmere
