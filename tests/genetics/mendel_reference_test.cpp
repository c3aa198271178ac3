#include <gtest/gtest.h>

#include <sstream>

#include "tests/genetics/genetics_fixture.h"
#include "tests/genetics/reference_mendel.h"

namespace crossmere::testing {
namespace {

// A random locus arrangement: organism, sexes, one to three loci at
// distinct positions (X-linked, linked autosomal or independent), each
// dominant, recessive or intermediate and perhaps lethal, and random
// distances between the positions.
GeneticsState RandomArrangement(RandomGenerator& pick, std::string& described) {
  const auto below = [&](std::int32_t n) { return pick.Random15() % n; };
  const std::int32_t kind = 1 + below(4);
  const bool sexes = kind != kPlant || below(4) == 0;
  std::vector<TestLocus> loci;
  std::array<bool, kPositions + 1> taken{};
  const std::int32_t count = 1 + below(3);
  while (static_cast<std::int32_t>(loci.size()) < count) {
    const std::int32_t position = 2 + below(9);
    if (taken[position] || (!sexes && IsXLinked(position))) continue;
    taken[position] = true;
    loci.push_back({position, 1 + below(3), below(5) == 0});
  }
  std::array<std::int32_t, 10> distances{};
  for (std::int32_t i = 1; i < kPositions; ++i) distances[i] = below(4) == 0 ? 0 : below(51);
  std::ostringstream text;
  text << "kind " << kind << (sexes ? "" : " hermaphrodite") << ", loci";
  for (const TestLocus& l : loci) text << " " << l.position << "/" << l.heterozygote << (l.lethal ? "L" : "");
  text << ", distances";
  for (const std::int32_t d : distances) text << " " << d;
  described = text.str();
  return MakeGenetics(kind, loci, sexes, distances);
}

// A parent pair of the arrangement: two live classes, a female and a male
// where there are sexes (the crossing box takes no other pair), in either
// place, so that a male stands first as often as a female.
std::pair<std::int32_t, std::int32_t> RandomParents(RandomGenerator& pick, const GeneticsState& g) {
  std::array<std::vector<std::int32_t>, 2> live;  // by sex
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    if (ClassInExample(g, c) && !IsLethalClass(g, c)) live[static_cast<std::size_t>(g.classes[c].Sex())].push_back(c);
  }
  const auto any = [&](std::size_t sex) { return live[sex][static_cast<std::size_t>(pick.Random15()) % live[sex].size()]; };
  if (g.hermaphrodite) return {any(0), any(0)};
  const std::int32_t female = any(0), male = any(1);
  return pick.Random15() % 2 == 0 ? std::pair{female, male} : std::pair{male, female};
}

// Both Mendels from the same state, offspring by offspring (10 000 parent
// pairs, 80 000 offspring): the same class,
// the same counts, the same forced homologs used and the generator left in
// the same place. The arrangements follow one another in one state, so a
// change of distances between crosses is met too.
TEST(MendelReference, AgreesDrawForDrawOnRandomCrosses) {
  RandomGenerator pick;
  pick.RandomSeed(2026);
  RandomGenerator fastRandom, slowRandom;
  fastRandom.RandomSeed(1152);
  slowRandom.RandomSeed(1152);
  OffspringState fast, slow;
  for (std::int32_t arrangement = 0; arrangement < 400; ++arrangement) {
    std::string described;
    GeneticsState g = RandomArrangement(pick, described);
    GeneticsState h = g;
    for (std::int32_t cross = 0; cross < 25; ++cross) {
      const auto [first, second] = RandomParents(pick, g);
      SetParents(g, first, second);
      SetParents(h, first, second);
      // The getting-started exercise forces the homolog at position 5 for its first gametes.
      if (pick.Random15() % 8 == 0) {
        fast.gettingStarted = slow.gettingStarted = true;
        fast.forcedHomologs = slow.forcedHomologs = DrawForcedHomologs(pick);
        fast.forcedCounter = slow.forcedCounter = 0;
      } else {
        fast.gettingStarted = slow.gettingStarted = false;
      }
      for (std::int32_t n = 0; n < 8; ++n) {
        const std::int32_t made = Mendel(g, fast, fastRandom);
        const std::int32_t expected = ReferenceMendel(h, slow, slowRandom);
        ASSERT_EQ(made, expected) << described << ", parents " << first << " x " << second << ", offspring " << n;
        ASSERT_EQ(fast.forcedCounter, slow.forcedCounter) << described;
        ASSERT_TRUE(fastRandom.CurrentState() == slowRandom.CurrentState()) << described;
      }
      ASSERT_EQ(fast.crossClassCount, slow.crossClassCount) << described;
    }
    ASSERT_EQ(g.classOffspringCount, h.classOffspringCount) << described;
  }
}

}  // namespace
}  // namespace crossmere::testing
