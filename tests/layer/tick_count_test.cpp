#include <gtest/gtest.h>

#include "layer/tick_count.h"

namespace crossmere::testing {
namespace {

// A tick is a sixtieth of a second, so a second's wait is 60 of them, not 60 x 16 ms.
TEST(TickMilliseconds, WholeTicksOfASixtiethOfASecond) {
  for (const auto& [ticks, milliseconds] : {std::pair{0, 0}, std::pair{1, 17}, std::pair{3, 50},
                                            std::pair{30, 500}, std::pair{60, 1000}, std::pair{600, 10000}}) {
    EXPECT_EQ(TickMilliseconds(ticks), milliseconds) << ticks;
  }
}

}  // namespace
}  // namespace crossmere::testing
