#include "layer/random_generator.h"

#include <gtest/gtest.h>

#include <vector>

namespace crossmere {
namespace {

std::vector<std::int32_t> Draws(RandomGenerator& random, int count) {
  std::vector<std::int32_t> draws;
  for (int i = 0; i < count; ++i) draws.push_back(random.Random15());
  return draws;
}

TEST(RandomGenerator, SameSeedGivesSameSequence) {
  for (const std::int32_t seed : {0, -1, 1, 4711, 2147483647, -2147483647 - 1}) {
    RandomGenerator a;
    RandomGenerator b;
    a.RandomSeed(seed);
    b.Random15();  // state before seeding must not matter
    b.RandomSeed(seed);
    EXPECT_EQ(Draws(a, 2000), Draws(b, 2000)) << "seed " << seed;
  }
}

TEST(RandomGenerator, SeedingFillsTableFromTheStream) {
  RandomGenerator random;
  random.RandomSeed(0);
  // Stream 1 x 1812433253 = 1812433253; 1812433253 mod 8 = 5, so shift by 9:
  // 1812433253 >> 9 = 3539908, and 3539908 mod 32768 = 964.
  EXPECT_EQ(random.CurrentState().lagged[1], 964);
  EXPECT_EQ(random.CurrentState().tapI, 1);
  EXPECT_EQ(random.CurrentState().tapJ, 148);
  // Seed -1 starts the stream at -1: every value is the negation of seed 0's,
  // and the table takes absolute values, so both seeds give one sequence.
  RandomGenerator negative;
  negative.RandomSeed(-1);
  EXPECT_EQ(negative.CurrentState().lagged, random.CurrentState().lagged);
}

TEST(RandomGenerator, DrawsFollowTheLaggedRecurrence) {
  RandomGenerator random;
  random.RandomSeed(1234);
  // x(1..607) is the seeded table, x(607 + n) is draw n.
  std::vector<std::int32_t> x(1, 0);
  for (int p = 1; p <= 607; ++p) x.push_back(random.CurrentState().lagged[p]);
  for (const std::int32_t draw : Draws(random, 3000)) x.push_back(draw);
  for (std::size_t n = 608; n < x.size(); ++n) {
    ASSERT_EQ(x[n], (x[n - 607] + x[n - 460]) % 32768) << "x(" << n << ")";
  }
  auto draw = [&](int n) { return x[607 + n]; };
  // Draw 460 still reads only seeded values; draw 461 is the first whose
  // second tap reads a drawn value (draw 1), draw 608 the first whose first tap does.
  EXPECT_EQ(draw(460), (x[460] + x[607]) % 32768);
  EXPECT_EQ(draw(461), (x[461] + draw(1)) % 32768);
  EXPECT_EQ(draw(607), (x[607] + draw(147)) % 32768);
  EXPECT_EQ(draw(608), (draw(1) + draw(148)) % 32768);
}

// Values worked out with a separate implementation written from the definition.
TEST(RandomGenerator, KnownDraws) {
  RandomGenerator random;
  random.RandomSeed(0);
  const auto draws = Draws(random, 700);
  EXPECT_EQ(std::vector<std::int32_t>(draws.begin(), draws.begin() + 5),
            (std::vector<std::int32_t>{1553, 21110, 16799, 31549, 2533}));
  EXPECT_EQ(draws[460], 4681);   // draw 461
  EXPECT_EQ(draws[607], 24339);  // draw 608
  EXPECT_EQ(draws[699], 17941);
  random.RandomSeed(1152);
  EXPECT_EQ(Draws(random, 5), (std::vector<std::int32_t>{1250, 644, 14022, 22127, 22286}));
}

TEST(RandomGenerator, EveryDrawIsFifteenBits) {
  RandomGenerator random;
  for (const std::int32_t seed : {0, 99, -5}) {
    random.RandomSeed(seed);
    for (const std::int32_t value : Draws(random, 20000)) {
      ASSERT_GE(value, 0);
      ASSERT_LE(value, 32767);
    }
  }
}

TEST(RandomGenerator, RestoreReplaysTheDrawsAfterSave) {
  RandomGenerator random;
  random.RandomSeed(2024);
  Draws(random, 100);
  random.RandomSave();
  const auto first = Draws(random, 1500);  // past one full turn of the table
  random.RandomRestore();
  EXPECT_EQ(Draws(random, 1500), first);
  random.RandomRestore();
  EXPECT_EQ(Draws(random, 10), std::vector<std::int32_t>(first.begin(), first.begin() + 10));
}

TEST(RandomGenerator, AStateCarriedToAnotherGeneratorDrawsTheSame) {
  RandomGenerator random;
  random.RandomSeed(77);
  Draws(random, 700);  // the taps have moved on
  RandomGenerator resumed;
  resumed.SetCurrentState(random.CurrentState());
  EXPECT_EQ(Draws(resumed, 1500), Draws(random, 1500));
}

// Blocks of every size from 1 to 40, over several turns of the table so
// that blocks meet the wrap of either tap, give the draws one at a time.
TEST(RandomGenerator, BlocksOfDrawsAreTheDrawsOneAtATime) {
  RandomGenerator single, blocks;
  single.RandomSeed(2718);
  blocks.RandomSeed(2718);
  for (std::int32_t round = 0; round < 4; ++round) {
    for (std::int32_t size = 1; size <= 40; ++size) {
      std::vector<std::int32_t> block(static_cast<std::size_t>(size));
      blocks.Random15Block(block.data(), size);
      ASSERT_EQ(block, Draws(single, size)) << "round " << round << ", size " << size;
    }
  }
  EXPECT_TRUE(blocks.CurrentState() == single.CurrentState());
}

}  // namespace
}  // namespace crossmere
