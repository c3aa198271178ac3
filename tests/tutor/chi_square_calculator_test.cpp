#include "tutor/chi_square_calculator.h"

#include <gtest/gtest.h>

#include "tests/workspace/running_program.h"

namespace crossmere {
namespace {

using namespace chi_square_window;

class ChiSquareCalculator : public testing::RunningProgram {
 protected:
  ChiSquareCalculator() { OpenChiSquareCalculator(session); }

  void Press(std::int32_t item) {
    service.ItemSelect(kWindow, item);
    service.SetControlValue(1);
    service.PostEvent(kWindow, item, 0);
  }
  void Enter(std::vector<std::string> observed) {
    for (std::size_t k = 0; k < observed.size(); ++k) {
      service.SetItemText(kWindow, kFirstObserved + static_cast<std::int32_t>(k), observed[k]);
    }
    service.PostEvent(kWindow, kCalculate, 0);
  }
  std::string Shown(std::int32_t item) { return service.ItemVisible(kWindow, item) ? service.ItemText(kWindow, item) : ""; }
};

TEST_F(ChiSquareCalculator, OpensCleared) {
  ASSERT_TRUE(service.WindowVisible(kWindow));
  for (const std::int32_t item : {kFirstOneLocusRatio, kFirstTwoLociRatio, kFirstObserved, kChi, kCalculate, kFitChart}) {
    EXPECT_FALSE(service.ItemVisible(kWindow, item)) << item;
  }
}

// 3:1 with 28 and 12, the total row one row higher for each class the ratio
// has fewer than four, and the fit drawn beside the table.
TEST_F(ChiSquareCalculator, CalculatesAThreeToOneRatio) {
  Press(kOneLocus);
  Press(kFirstOneLocusRatio + 1);
  EXPECT_EQ(Shown(kFirstPart), "3");
  EXPECT_EQ(Shown(kFirstPart + 1), "1");
  EXPECT_FALSE(service.ItemVisible(kWindow, kFirstObserved + 2));
  Enter({"28", "12"});
  EXPECT_EQ(Shown(kFirstExpected), "30.0");
  EXPECT_EQ(Shown(kFirstExpected + 1), "10.0");
  EXPECT_EQ(Shown(kChi), "0.5");
  EXPECT_EQ(Shown(kDegreesOfFreedom), "1");
  EXPECT_EQ(Shown(kTotalObserved), "40");
  EXPECT_EQ(Shown(kTotalExpected), "40.0");
  EXPECT_EQ(service.ItemRect(kWindow, kTotalLabel).top, 388 - 2 * 65);
  EXPECT_EQ(service.ItemRect(kWindow, kTotalObserved).top, 390 - 2 * 65);
  EXPECT_TRUE(service.ItemVisible(kWindow, kFitChart));
}

TEST_F(ChiSquareCalculator, ATwoClassRatioAfterAFourClassOneHidesTheUnusedRows) {
  Press(kTwoLoci);
  Press(kFirstTwoLociRatio + 2);  // 9:3:3:1
  Enter({"90", "30", "30", "10"});
  EXPECT_EQ(Shown(kChi), "0.0");
  EXPECT_EQ(Shown(kDegreesOfFreedom), "3");
  EXPECT_EQ(service.ItemRect(kWindow, kTotalLabel).top, 388);
  Press(kOneLocus);
  Press(kFirstOneLocusRatio);
  for (const std::int32_t item : {kFirstObserved + 2, kFirstObserved + 3, kFirstPart + 2, kFirstPart + 3, kChi, kFitChart}) {
    EXPECT_FALSE(service.ItemVisible(kWindow, item)) << item;
  }
  for (std::int32_t k = 0; k < 4; ++k) EXPECT_EQ(service.ItemText(kWindow, kFirstObserved + k), "") << k;
}

TEST_F(ChiSquareCalculator, EmptyOrUnreadableFieldsCountNothing) {
  Press(kOneLocus);
  Press(kFirstOneLocusRatio + 2);  // 1:2:1
  Enter({"", "", ""});
  EXPECT_FALSE(service.ItemVisible(kWindow, kChi)) << "nothing to calculate";
  EXPECT_FALSE(service.ItemVisible(kWindow, kTotalLabel));
  Enter({"20", "forty", "-3"});
  EXPECT_EQ(Shown(kTotalObserved), "20");
  EXPECT_EQ(Shown(kFirstExpected + 1), "10.0");
  Enter({"20", "40", "40"});
  EXPECT_EQ(Shown(kChi), "12.0");
  EXPECT_EQ(Shown(kDegreesOfFreedom), "2");
}

TEST_F(ChiSquareCalculator, ClearAndDone) {
  Press(kOneLocus);
  Press(kFirstOneLocusRatio);
  Enter({"30", "10"});
  service.PostEvent(kWindow, kClear, 0);
  EXPECT_FALSE(service.ItemVisible(kWindow, kChi));
  EXPECT_FALSE(service.ItemVisible(kWindow, kFirstOneLocusRatio));
  EXPECT_EQ(service.ItemText(kWindow, kFirstObserved), "");
  service.PostEvent(kWindow, kDone, 0);
  EXPECT_FALSE(service.WindowExists(kWindow));
}

}  // namespace
}  // namespace crossmere
