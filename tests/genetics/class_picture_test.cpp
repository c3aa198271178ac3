#include "genetics/pictures/class_picture.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

TEST(RandomOrganism, KeepsToTheAvailableKindsAndTheirForms) {
  RandomGenerator random;
  random.RandomSeed(4321);
  const OrganismPalette palette = DefaultPalette();
  std::array<bool, kPlant + 1> unavailable{};
  unavailable[kDinosaurDog] = unavailable[kMonkbear] = true;
  std::array<int, kPlant + 1> seen{};
  for (int i = 0; i < 200; ++i) {
    const PictureInput input = RandomOrganism(random, unavailable, palette);
    ASSERT_TRUE(input.kind == kFly || input.kind == kPlant) << input.kind;
    ++seen[input.kind];
    if (input.kind == kPlant) {
      EXPECT_EQ(input.values[1], 1) << "plants have no sexes";
    } else {
      EXPECT_TRUE(input.values[1] == 1 || input.values[1] == 2);
    }
    for (std::int32_t c = 2; c <= CharacterCount(input.kind); ++c) {
      EXPECT_GE(input.values[c], 1);
      EXPECT_LE(input.values[c], 3);
    }
    EXPECT_EQ(input.palette, &palette);
    EXPECT_GT(input.width, 0);
  }
  EXPECT_GT(seen[kFly], 0);
  EXPECT_GT(seen[kPlant], 0);
}

}  // namespace
}  // namespace crossmere
