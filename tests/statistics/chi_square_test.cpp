#include "statistics/chi_square.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

struct Case {
  const char* what;
  std::int32_t ratio;
  std::vector<std::int32_t> observed;
  std::vector<double> expected;
  double chi;
  std::int32_t degreesOfFreedom;
  bool significant;
};

TEST(ChiSquare, TestsObservedNumbersAgainstAStandardRatio) {
  const Case cases[] = {
      {"3:1 with 28 and 12", 2, {28, 12}, {30.0, 10.0}, 0.5333, 1, false},
      {"1:2:1 with 20, 40, 40", 3, {20, 40, 40}, {25.0, 50.0, 25.0}, 12.0, 2, true},
      {"9:3:3:1 exactly", 6, {90, 30, 30, 10}, {90.0, 30.0, 30.0, 10.0}, 0.0, 3, false},
      {"1:1 with 30 and 10", 1, {30, 10}, {20.0, 20.0}, 10.0, 1, true},
  };
  for (const Case& c : cases) {
    const MendelianRatio& ratio = StandardRatio(c.ratio);
    ASSERT_EQ(ratio.classes, static_cast<std::int32_t>(c.observed.size())) << c.what;
    std::int32_t total = 0;
    for (const std::int32_t o : c.observed) total += o;
    const std::vector<double> expected = ExpectedNumbers(total, ratio.Parts());
    ASSERT_EQ(expected.size(), c.expected.size()) << c.what;
    for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_NEAR(expected[k], c.expected[k], 1e-9) << c.what;
    const ChiSquareResult result = ChiSquare(c.observed, expected);
    EXPECT_NEAR(result.chi, c.chi, 1e-4) << c.what;
    EXPECT_EQ(result.degreesOfFreedom, c.degreesOfFreedom) << c.what;
    EXPECT_EQ(IsSignificant(result.chi, result.degreesOfFreedom), c.significant) << c.what;
    double sum = 0;
    for (const double contribution : result.contributions) sum += contribution;
    EXPECT_NEAR(sum, result.chi, 1e-12) << c.what;
  }
}

TEST(ChiSquare, TheCriticalValueItselfIsNotSignificant) {
  EXPECT_FALSE(IsSignificant(3.84, 1));
  EXPECT_TRUE(IsSignificant(3.8401, 1));
  EXPECT_FALSE(IsSignificant(5.99, 2));
  EXPECT_TRUE(IsSignificant(7.83, 3));
  EXPECT_FALSE(IsSignificant(1000.0, 0)) << "one class tests nothing";
}

// A class nobody expects adds nothing and takes no degree of freedom; the
// statistic never divides by zero.
TEST(ChiSquare, AClassExpectedNeverIsLeftOut) {
  const std::vector<std::int32_t> observed = {30, 10, 2};
  const std::vector<double> expected = {30.0, 10.0, 0.0};
  const ChiSquareResult result = ChiSquare(observed, expected);
  EXPECT_EQ(result.contributions[2], 0.0);
  EXPECT_EQ(result.chi, 0.0);
  EXPECT_EQ(result.degreesOfFreedom, 1);
  EXPECT_EQ(ExpectedNumbers(0, StandardRatio(2).Parts()), (std::vector<double>{0.0, 0.0}));
  EXPECT_EQ(ChiSquare(std::vector<std::int32_t>{0, 0}, ExpectedNumbers(0, StandardRatio(2).Parts())).chi, 0.0);
}

TEST(ChiSquare, TheSixStandardRatios) {
  const char* labels[] = {" 1:1", " 3:1", " 1:2:1", " 1:1:1:1", " 3:3:1:1", " 9:3:3:1"};
  for (std::int32_t n = 1; n <= kStandardRatioCount; ++n) {
    EXPECT_EQ(StandardRatio(n).label, labels[n - 1]);
    EXPECT_EQ(StandardRatio(n).classes, n <= 2 ? 2 : n == 3 ? 3 : 4);
  }
}

}  // namespace
}  // namespace crossmere
