#include "exercises/cross_list.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

TEST(CrossList, ReciprocalsCountOnceUnlessTheSexesOrderThem) {
  CrossList list;
  EXPECT_EQ(list.Add({2, 1}, false), AddOutcome::Added);
  EXPECT_EQ(list.Add({2, 1}, false), AddOutcome::AlreadyListed);
  EXPECT_EQ(list.Add({1, 2}, false), AddOutcome::ListedReversed);
  EXPECT_EQ(list.crosses.size(), 1u);

  CrossList sexLinked;
  EXPECT_EQ(sexLinked.Add({2, 0}, true), AddOutcome::Added);
  EXPECT_EQ(sexLinked.Add({0, 2}, true), AddOutcome::Added) << "a female aa by an A male is another cross";
  EXPECT_EQ(sexLinked.Add({2, 0}, true), AddOutcome::AlreadyListed);
  EXPECT_EQ(sexLinked.crosses, (std::vector<ListedCross>{{2, 0}, {0, 2}}));
}

TEST(CrossList, AnAutosomalLocusHasSixCrosses) {
  CrossList list;
  for (std::int32_t a = 0; a <= 2; ++a) {
    for (std::int32_t b = 0; b <= 2; ++b) list.Add({a, b}, false);
  }
  EXPECT_EQ(static_cast<std::int32_t>(list.crosses.size()), kAllCrosses);
}

}  // namespace
}  // namespace crossmere
