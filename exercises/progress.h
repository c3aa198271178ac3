#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "exercises/catalogue.h"
#include "genetics/organisms.h"

namespace crossmere {

// Where the student is among the exercises of the set and what they have
// scored; exercises are numbered 1..20 and element 0 of each array is unused.
struct ProgressState {
  std::int32_t current = 1;
  std::int32_t previous = 1;
  // On: the whole standard set is open in any order. Off: the set is the
  // class's nominated list of exercises 1..exerciseCount.
  bool setMode = true;
  std::int32_t exerciseCount = 1;  // attempted so far (set mode) or listed
  std::array<std::int32_t, kExercisesPerSet + 1> attempted{0, 1};  // by first attempt, 1..exerciseCount
  std::int32_t pending = 0;  // chosen to start next, 0 = none

  std::array<std::int32_t, kExercisesPerSet + 1> tryCount{};
  std::array<bool, kExercisesPerSet + 1> completed{};
  std::array<std::int32_t, kExercisesPerSet + 1> marksThisTry{};
  std::array<std::int32_t, kExercisesPerSet + 1> marksAvailable{};
  std::array<std::int32_t, kExercisesPerSet + 1> marksObtained{};
  std::array<std::int32_t, kExercisesPerSet + 1> marksPossible{};
  std::int32_t totalObtained = 0;
  std::int32_t totalPossible = 0;
  bool tryFinished = false;  // every question of the current try is marked

  std::int64_t exerciseStart = 0;  // ticks of 1/60 s
  std::int64_t programStart = 0;

  bool trialRunning = false;
  std::int32_t savedTryCount = 0;  // the exercise's try count when the trial began
  // The exercise's record of characters used, as it stood before the try the
  // trial interrupts, so that ending the trial brings back the same example.
  std::array<bool, kMaxCharacter + 1> savedUsedCharacters{};
  std::array<bool, kMaxCharacter + 1> usedBeforeTry{};
  std::int32_t trialArrangement = 0;
  std::int32_t pickedKind = 0;     // organism the student chose, 0 = none
  bool keepPickedKind = false;     // the choice lasts until changed, not for one start
};

// "7  /  10"; a negative mark reads 0 and nothing is shown out of 0.
std::string MarksText(std::int32_t marks, std::int32_t available);

// 12' 5" for the whole seconds between two tick counts.
std::string ElapsedText(std::int64_t startTicks, std::int64_t nowTicks);

// Adds a finished try's marks to the exercise's and the run's totals.
void AddFinishedTry(ProgressState& progress, std::int32_t ex);

// The last exercise the student can move on to: 20, or the end of the nominated list.
std::int32_t LastExercise(const ProgressState& progress);

// Records the first attempt of an exercise in set mode.
void NoteAttempt(ProgressState& progress, std::int32_t ex);

// Pixels between two rows of the exercise list: the rows share a fixed height
// once there are eight or more of them, but never come closer than a line.
std::int32_t ExerciseListRowSpacing(std::int32_t rows);

}  // namespace crossmere
