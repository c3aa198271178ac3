#include "exercises/map_check.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

TEST(MapCheck, GenotypeCountsOfTheSevenConfigurations) {
  const std::array<std::int32_t, 7> expected{72, 60, 54, 44, 42, 50, 45};
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(GenotypeCount(GenotypeConfigurations()[k]), expected[k]) << "configuration " << k + 1;
  }
}

TEST(MapCheck, TheOptionOfEachArrangement) {
  struct Case {
    std::array<std::int32_t, 3> positions;
    bool unlinked12, unlinked13, unlinked23;
    LinkageOption option;
  };
  const Case cases[] = {
      {{5, 6, 7}, false, false, false, LinkageOption::Order123},
      {{5, 7, 6}, false, false, false, LinkageOption::Order132},
      {{6, 5, 7}, false, false, false, LinkageOption::Order213},
      {{2, 3, 4}, false, false, false, LinkageOption::Order123},
      {{5, 6, 8}, false, true, true, LinkageOption::FirstSecond},
      {{5, 8, 6}, true, false, true, LinkageOption::FirstThird},
      {{2, 5, 6}, true, true, false, LinkageOption::SecondThird},
      {{5, 8, 10}, true, true, true, LinkageOption::AllUnlinked},
  };
  for (const Case& c : cases) {
    GeneticsState g;
    g.lociCount = 3;
    g.locusPosition = {1, c.positions[0], c.positions[1], c.positions[2]};
    g.unlinked12 = c.unlinked12;
    g.unlinked13 = c.unlinked13;
    g.unlinked23 = c.unlinked23;
    EXPECT_EQ(LinkageOf(g), c.option) << c.positions[0] << c.positions[1] << c.positions[2];
  }
}

}  // namespace
}  // namespace crossmere
