#include <gtest/gtest.h>

#include "exercises/cross_list.h"
#include "exercises/cross_table_check.h"
#include "tests/tutor/questions_fixture.h"
#include "tutor/listed_crosses.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace crossmere::testing;

constexpr std::int32_t kFirstCross = 601;
constexpr std::int32_t kFirstBox = 611;
constexpr std::int32_t kFirstAnswer = 711;
constexpr std::int32_t kReorder = 31;
constexpr std::int32_t kCrossChoice = 44;
constexpr std::int32_t kShowRatios = 980;
constexpr std::int32_t kRatioRows = 591;
constexpr std::int32_t kArrow = 597;

// After "List all crosses": the tables of expected ratios and the picks.
class CrossTables : public Questions {
 protected:
  // Every cross of the locus listed, the listing question done.
  void ListAll(bool ordered) {
    CrossList& list = ListedCrosses(session);
    list.crosses.clear();
    for (std::int32_t first = 0; first <= 2; ++first) {
      for (std::int32_t second = ordered ? 0 : first; second <= 2; ++second) {
        if (!ordered || second != 1) list.crosses.push_back({first, second});
      }
    }
    ASSERT_EQ(list.crosses.size(), static_cast<std::size_t>(kAllCrosses));
    list.complete = true;
    session.questionState.records[1].completed = true;
  }

  // Sets row r's boxes: the pull-down entries are "?", blank, "all", 1, 2, 3.
  void Choose(std::int32_t q, std::int32_t row, const std::vector<std::int32_t>& values) {
    for (std::size_t c = 0; c < values.size(); ++c) {
      service.ItemSelect(Window(q), kFirstBox + 10 * row + static_cast<std::int32_t>(c));
      const std::int32_t value = values[c];
      service.SetControlValue(value == kAllOfThem ? 3 : value == 0 ? 2 : value + 3);
    }
  }

  std::vector<TableColumn> Columns(std::int32_t q) {
    const TableLocus locus = TableLocusOf(session);
    return session.questions.list.types[q] == 22 ? PhenotypeColumns(locus) : GenotypeColumns(locus);
  }

  std::vector<std::int32_t> Expected(std::int32_t q, std::int32_t row) {
    return ExpectedBoxes(TableLocusOf(session), ListedCrosses(session).crosses[static_cast<std::size_t>(row)],
                         Columns(q), session.questions.list.types[q] == 22);
  }
};

// B4: the tables wait for the list, cost a mark per cross not right, and
// "Re-order crosses" sorts the rows afresh.
TEST_F(CrossTables, ExpectedRatiosOfTheListedCrosses) {
  Start(true, 4);
  ASSERT_EQ(session.questions.list.types[2], 21);
  session.questionState.records[1].completed = true;
  Questions::Choose(2);
  EXPECT_EQ(service.ItemText(Window(2), kInstruction),
            "This question can only be done after you have enumerated all the crosses.");
  EXPECT_FALSE(service.ItemVisible(Window(2), kMark));
  EXPECT_FALSE(service.ItemVisible(Window(2), kFirstBox));

  ListAll(false);
  std::swap(ListedCrosses(session).crosses.front(), ListedCrosses(session).crosses.back());
  Questions::Choose(2);
  EXPECT_EQ(service.ItemText(Window(2), kInstruction), "Fill in the expected ratios for the indicated genotypes.");
  ASSERT_TRUE(service.ItemVisible(Window(2), kMark));
  EXPECT_TRUE(service.ItemVisible(Window(2), kFirstBox + 2));
  EXPECT_FALSE(service.ItemVisible(Window(2), kFirstBox + 3)) << "three genotypes";

  Choose(2, 0, Expected(2, 0));
  service.PostEvent(Window(2), kReorder, 0);
  const TableLocus locus = TableLocusOf(session);
  const std::int32_t dominantHomozygote = 2 * locus.dominantAllele;
  EXPECT_EQ(ListedCrosses(session).crosses.front(), (ListedCross{dominantHomozygote, dominantHomozygote}));
  EXPECT_EQ(service.ItemText(Window(2), kFirstCross),
            CrossText(session, {dominantHomozygote, dominantHomozygote}));
  service.ItemSelect(Window(2), kFirstBox);
  EXPECT_EQ(service.GetControlValue(), 1) << "sorted rows start again at '?'";

  for (std::int32_t row = 0; row < kAllCrosses; ++row) Choose(2, row, Expected(2, row));
  std::vector<std::int32_t> wrong = Expected(2, 3);
  wrong[0] = wrong[0] == 1 ? 2 : 1;
  Choose(2, 3, wrong);
  MarkMe(2);
  EXPECT_TRUE(Record(2).completed);
  EXPECT_EQ(Record(2).mark, 5);
  EXPECT_TRUE(service.ItemVisible(Window(2), kFirstAnswer + 30)) << "the program's answers under the wrong cross";
  EXPECT_FALSE(service.ItemVisible(Window(2), kFirstAnswer)) << "none under a right one";
  EXPECT_FALSE(service.ItemVisible(Window(2), kReorder));

  Questions::Choose(3);
  ASSERT_EQ(session.questions.list.types[3], 22);
  MarkMe(3);
  EXPECT_EQ(Record(3).mark, 0) << "every '?' left is wrong";

  ASSERT_EQ(session.questions.list.types[4], 24);
  Questions::Choose(4);
  EXPECT_TRUE(service.ItemVisible(Window(4), kShowRatios));
  service.PostEvent(Window(4), kShowRatios, 0);
  EXPECT_TRUE(service.ItemVisible(Window(4), kRatioRows + 5));
  Answer(4, 43);
  MarkMe(4);
  EXPECT_TRUE(Record(4).completed);
  EXPECT_EQ(Record(4).mark, 0);
  EXPECT_EQ(Bad(4), "Only two.  Either 1:1 (typical testcross ratio), or 3:1 (intercross).");
  EXPECT_FALSE(service.ItemVisible(Window(4), kShowRatios));
  EXPECT_FALSE(service.ItemVisible(Window(4), kRatioRows));
}

// A pick refused before the list is complete can be put away and chosen again.
TEST_F(CrossTables, APickBeforeTheListIsCompleteIsRefusedAndPutAway) {
  Start(true, 5);
  for (const std::int32_t q : {1, 2, 3}) session.questionState.records[q].completed = true;
  Questions::Choose(4);
  EXPECT_EQ(service.ItemText(Window(4), kInstruction),
            "This question can only be done after you have enumerated all the crosses.");
  Questions::Choose(5);
  Questions::Choose(4);
  EXPECT_FALSE(service.ItemVisible(Window(4), kCrossChoice));
}

// B5: a wrong pick points at the right cross; hiding the question takes the
// arrow away; the right pick earns the mark.
TEST_F(CrossTables, PickingCrossesOfASexLinkedLocus) {
  Start(true, 5);
  ASSERT_EQ(session.questions.list.types[4], 25);
  ASSERT_EQ(session.questions.list.types[5], 26);
  ASSERT_TRUE(CrossesOrdered(session));
  ListAll(true);
  for (const std::int32_t q : {2, 3}) session.questionState.records[q].completed = true;
  const TableLocus locus = TableLocusOf(session);
  const std::vector<ListedCross>& crosses = ListedCrosses(session).crosses;
  const std::int32_t intercross = LikeAutosomalIntercross(crosses, locus);
  ASSERT_GE(intercross, 0);

  Questions::Choose(4);
  service.ItemSelect(Window(4), kCrossChoice);
  service.SetControlValue((intercross + 1) % kAllCrosses + 1);
  MarkMe(4);
  EXPECT_TRUE(Record(4).completed);
  EXPECT_EQ(Record(4).mark, 0);
  EXPECT_EQ(Bad(4), "If females and males are equally frequent, the overall ratio in the arrowed cross is 3:1.");
  ASSERT_TRUE(service.ItemVisible(Window(4), kArrow));
  EXPECT_EQ(service.ItemRect(Window(4), kArrow).top, service.ItemRect(Window(4), kRatioRows + intercross).top);
  service.PostEvent(Window(4), kHide, 0);
  Questions::Choose(4);
  EXPECT_FALSE(service.ItemVisible(Window(4), kArrow));

  Questions::Choose(5);
  MarkMe(5);
  EXPECT_FALSE(Record(5).completed) << "nothing picked yet";
  service.ItemSelect(Window(5), kCrossChoice);
  service.SetControlValue(ReversedPhenotypes(crosses, locus) + 1);
  MarkMe(5);
  EXPECT_TRUE(Record(5).completed);
  EXPECT_EQ(Record(5).mark, 1);
  EXPECT_EQ(Good(5), "Good");
}

}  // namespace
}  // namespace crossmere
