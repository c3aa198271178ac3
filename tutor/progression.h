#pragma once

#include <cstdint>

#include "tutor/question_framework.h"

namespace crossmere {

struct Session;

// Commands and buttons that move the student between exercises.
namespace progression {
inline constexpr std::int32_t kChooseCommand = 161;
inline constexpr std::int32_t kListCommand = 162;
inline constexpr std::int32_t kInfoCommand = 164;
inline constexpr std::int32_t kTrialCommand = 173;
inline constexpr std::int32_t kEndTrialCommand = 176;
inline constexpr std::int32_t kNextButton = 2500;
inline constexpr std::int32_t kRepeatButton = 2501;
inline constexpr std::int32_t kQuitInstructionsButton = 899;
}  // namespace progression

// Begins a try of the current exercise: the last try's questions go, a new
// example is set up, and the marks and time of the try start from nothing.
void StartExercise(Session& session);

// The try of the example in the state begins: no marks yet, the questions
// menu and the progress labels as a new try has them.
void BeginTry(Session& session);

// Every question of the try is marked: the try counts, and its marks are added.
void FinishTry(Session& session);

// Acts on what marking a question came to.
void AfterMarking(Session& session, MarkOutcome outcome);

// "Choose exercise".
void ChooseExercise(Session& session);

// "Next exercise", "Repeat exercise" and "Quit instructions".
void NextOrRepeat(Session& session, std::int32_t button);

// "List of exercises" (or "Exercises attempted").
void ShowExerciseList(Session& session);

// "Start trial" / "New trial", and "End trial".
void StartTrial(Session& session);
void EndTrial(Session& session);
// A trial of the current three-locus exercise with its loci laid out in
// arrangement 1..7, started without asking.
void StartArrangedTrial(Session& session, std::int32_t arrangement);

// "Get Info": marks and times.
void ShowInfo(Session& session);

// Handles the progression commands and buttons; false for other events.
bool ProgressionEvent(Session& session, std::int32_t window, std::int32_t item);

}  // namespace crossmere
