#include "exercises/progress.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

TEST(MarksText, ShowsMarksOutOfTheAvailable) {
  EXPECT_EQ(MarksText(3, 4), "3  /  4");
  EXPECT_EQ(MarksText(7, 10), "7  /  10");
  EXPECT_EQ(MarksText(-2, 4), "0  /  4");
  EXPECT_EQ(MarksText(0, 0), "");
}

TEST(ElapsedText, MinutesAndSeconds) {
  EXPECT_EQ(ElapsedText(1000, 1000 + 125 * 60), "2' 5\"");
  EXPECT_EQ(ElapsedText(0, 59), "0' 0\"");
  EXPECT_EQ(ElapsedText(0, 12 * 3600 + 5 * 60 + 30), "12' 5\"");
  EXPECT_EQ(ElapsedText(500, 100), "0' 0\"");
}

TEST(NoteAttempt, ListsEachExerciseOnceInSetMode) {
  ProgressState progress;
  NoteAttempt(progress, 4);
  NoteAttempt(progress, 1);
  NoteAttempt(progress, 4);
  EXPECT_EQ(progress.exerciseCount, 2);
  EXPECT_EQ(progress.attempted[1], 1);
  EXPECT_EQ(progress.attempted[2], 4);
  progress.setMode = false;
  NoteAttempt(progress, 7);
  EXPECT_EQ(progress.exerciseCount, 2);
}

TEST(ExerciseListRowSpacing, ShrinksWithManyRowsButStaysReadable) {
  EXPECT_EQ(ExerciseListRowSpacing(3), 30);
  EXPECT_EQ(ExerciseListRowSpacing(10), 24);
  EXPECT_EQ(ExerciseListRowSpacing(20), 22);
}

}  // namespace
}  // namespace crossmere
