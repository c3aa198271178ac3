#include "exercises/progress.h"

#include <algorithm>

namespace crossmere {

std::string MarksText(std::int32_t marks, std::int32_t available) {
  if (available == 0) return {};
  return std::to_string(std::max(marks, 0)) + "  /  " + std::to_string(available);
}

std::string ElapsedText(std::int64_t startTicks, std::int64_t nowTicks) {
  const std::int64_t seconds = std::max<std::int64_t>(nowTicks - startTicks, 0) / 60;
  return std::to_string(seconds / 60) + "' " + std::to_string(seconds % 60) + "\"";
}

void AddFinishedTry(ProgressState& progress, std::int32_t ex) {
  progress.marksObtained[ex] += progress.marksThisTry[ex];
  progress.marksPossible[ex] += progress.marksAvailable[ex];
  progress.totalObtained += progress.marksThisTry[ex];
  progress.totalPossible += progress.marksAvailable[ex];
}

std::int32_t LastExercise(const ProgressState& progress) {
  return progress.setMode ? kExercisesPerSet : progress.exerciseCount;
}

void NoteAttempt(ProgressState& progress, std::int32_t ex) {
  if (!progress.setMode || ex < 1 || ex > kExercisesPerSet) return;
  const auto first = progress.attempted.begin() + 1;
  const auto last = first + progress.exerciseCount;
  if (std::find(first, last, ex) != last || progress.exerciseCount >= kExercisesPerSet) return;
  progress.attempted[++progress.exerciseCount] = ex;
}

std::int32_t ExerciseListRowSpacing(std::int32_t rows) {
  constexpr std::int32_t kLine = 22;
  if (rows < 8) return 30;
  return std::max(240 / rows, kLine);
}

}  // namespace crossmere
