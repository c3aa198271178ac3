#include "genetics/pictures/dinosaur_dog.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

TEST(DogBitmaps, DigitsBecomeRuns) {
  EXPECT_EQ(RowRuns("F", 0, 3), (std::vector<PixelRun>{{0, 3, 4}}));
  EXPECT_EQ(RowRuns("5", 10, 0), (std::vector<PixelRun>{{11, 0, 1}, {13, 0, 1}}));
  EXPECT_TRUE(RowRuns("0", 0, 0).empty());
  EXPECT_TRUE(RowRuns("0000", 0, 0).empty()) << "an all-zero row leaves a gap";
  EXPECT_EQ(RowRuns("8C", 0, 0), (std::vector<PixelRun>{{0, 0, 1}, {4, 0, 2}}));
}

TEST(DogBitmaps, PartsSitAtTheirPlaces) {
  // Ears, value 1: row 4 of 7 is "00070000", so the first set bits are the
  // last three of digit 4: x = 16 - 15 + 4 * 3 + 1 = 14, y = 2 + 4 = 6.
  const auto ears = DogPartRuns(2, 1);
  ASSERT_FALSE(ears.empty());
  EXPECT_EQ(ears.front(), (PixelRun{14, 6, 3}));
  // Every run of every part stays inside the 80 x 40 frame.
  for (std::int32_t c = 1; c <= 7; ++c) {
    for (std::int32_t v = 1; v <= 3; ++v) {
      for (const PixelRun& run : DogPartRuns(c, v)) {
        EXPECT_GE(run.x, 1);
        EXPECT_LE(run.x + run.length, 81);
        EXPECT_GE(run.y, 3);
        EXPECT_LE(run.y, 38);
      }
    }
  }
  EXPECT_EQ(DogPartRuns(1, 2), DogPartRuns(1, 3)) << "one male body";
  EXPECT_NE(DogPartRuns(1, 1), DogPartRuns(1, 2)) << "the sexes differ in the body";
  EXPECT_TRUE(DogPartRuns(8, 1).empty());
}

}  // namespace
}  // namespace crossmere
