#include "exercises/observed_expected_check.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

TEST(ObservedExpectedCheck, JudgesEachBox) {
  struct Case {
    const char* what;
    std::vector<Entry> ratios;
    std::vector<Entry> observed;
    Entry total;
    std::int32_t wrong;
    bool unreduced;
  };
  // The program's answer: 3 : 1, with 30 and 10 observed.
  const std::vector<std::int32_t> parts{3, 1};
  const std::vector<std::int32_t> programObserved{30, 10};
  const Case cases[] = {
      {"all right", {3, 1}, {30, 10}, 40, 0, false},
      {"a multiple of the ratio is right, with a remark", {6, 2}, {30, 10}, 40, 0, true},
      {"the ratio reversed: both parts wrong", {1, 3}, {30, 10}, 40, 2, false},
      {"a blank ratio box is no answer", {3, std::nullopt}, {30, 10}, 40, 1, false},
      {"all ratio boxes 0 are not a ratio", {0, 0}, {30, 10}, 40, 2, false},
      {"one count wrong", {3, 1}, {29, 10}, 40, 1, false},
      {"right counts, wrong total", {3, 1}, {30, 10}, 41, 1, false},
      {"nothing filled in", {std::nullopt, std::nullopt}, {std::nullopt, std::nullopt}, std::nullopt, 5, false},
  };
  for (const Case& c : cases) {
    const ObservedExpectedVerdict verdict = MarkObservedExpected(c.ratios, parts, c.observed, programObserved, c.total);
    EXPECT_EQ(verdict.wrongBoxes, c.wrong) << c.what;
    EXPECT_EQ(verdict.unreduced, c.unreduced) << c.what;
  }
}

TEST(ObservedExpectedCheck, AZeroPartMustBeChosenAsZero) {
  const std::vector<std::int32_t> parts{0, 1, 1};
  const std::vector<std::int32_t> counts{0, 20, 20};
  EXPECT_EQ(MarkObservedExpected({0, 1, 1}, parts, {0, 20, 20}, counts, 40).wrongBoxes, 0);
  EXPECT_EQ(MarkObservedExpected({0, 2, 2}, parts, {0, 20, 20}, counts, 40).unreduced, true);
  EXPECT_EQ(MarkObservedExpected({1, 1, 1}, parts, {0, 20, 20}, counts, 40).wrongBoxes, 1);
}

TEST(ObservedExpectedCheck, TheClosestTallyIsTakenTheEarlierOnATie) {
  const std::vector<std::vector<std::int32_t>> tallies{{60, 20}, {30, 10}, {30, 10}};
  EXPECT_EQ(ClosestTally(tallies, {60, 20}), 0u);
  EXPECT_EQ(ClosestTally(tallies, {31, 10}), 1u);
  EXPECT_EQ(ClosestTally(tallies, {std::nullopt, std::nullopt}), 1u);
}

TEST(ObservedExpectedCheck, ChiSquarePartMarks) {
  struct Case {
    const char* what;
    std::optional<double> chi;
    Entry degrees;
    Significance significance;
    double programChi;
    std::int32_t programDegrees;
    std::int32_t marks;
  };
  const Case cases[] = {
      {"within 0.1", 3.95, std::nullopt, Significance::NotChosen, 3.87, 1, 2},
      {"within 0.5", 4.2, std::nullopt, Significance::NotChosen, 3.87, 1, 1},
      {"further off", 4.5, std::nullopt, Significance::NotChosen, 3.87, 1, 0},
      {"negative", -3.87, std::nullopt, Significance::NotChosen, 3.87, 1, 0},
      {"all right, significant", 3.87, 1, Significance::Significant, 3.87, 1, 4},
      {"3 classes at 6.1 with 2 d.f. are significant", 6.1, 2, Significance::Significant, 6.1, 2, 4},
      {"wrong degrees and significance", 6.1, 1, Significance::NonSignificant, 6.1, 2, 2},
      {"3.84 with 1 d.f. is not significant", 3.84, 1, Significance::NonSignificant, 3.84, 1, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChiSquarePartMarks(c.chi, c.degrees, c.significance, c.programChi, c.programDegrees), c.marks) << c.what;
  }
}

}  // namespace
}  // namespace crossmere
