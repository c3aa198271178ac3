// Questions answered from the list of crosses: "Segregating crosses" (type
// 24, a number) and the crosses that look like an autosomal intercross or
// reverse their parents' phenotypes (types 25 and 26, picked from the list).
// "Show ratios" lays out the expected phenotypes of the listed crosses.

#include <algorithm>

#include "exercises/cross_table_check.h"
#include "exercises/question_types.h"
#include "tutor/listed_crosses.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kTexts = 524;
enum Text : std::int32_t {
  kListFirst = 1,
  kFemale = 8,
  kMale = 9,
  kRatiosTitle = 11,
  kSegregatingQuestion = 12,
  kFirstNumber = 13,  // " 2", " 3", " 6"
  kSegregatingRight = 16,
  kSegregatingWrong = 17,
  kIntercrossQuestion = 18,
  kReversedQuestion = 19,
  kIntercrossRight = 20,
  kReversedRight = 21,
  kIntercrossArrowed = 22,
  kReversedArrowed = 23,
  kShowRatiosButton = 24,
  kAll = 27,
  kSegregatingExplained = 28,
  kPickExplained = 29,
};

constexpr std::int32_t kSegregatingType = 24;
constexpr std::int32_t kIntercrossType = 25;
constexpr std::int32_t kFirstAnswer = 41;
constexpr std::int32_t kLastAnswer = 43;
constexpr std::int32_t kRightAnswer = 41;  // " 2"
constexpr std::int32_t kCrossChoice = 44;
constexpr std::int32_t kShowRatios = 980;
// The table of ratios: a heading, the two sexes' headings, and per row the
// cross and what its daughters and sons (or all its offspring) look like.
constexpr std::int32_t kRatiosHeading = 590;
constexpr std::int32_t kFirstRatioCross = 591;
constexpr std::int32_t kArrow = 597;
constexpr std::int32_t kFemaleHeading = 598;
constexpr std::int32_t kMaleHeading = 599;
constexpr std::int32_t kFirstFemaleRatio = 601;
constexpr std::int32_t kFirstMaleRatio = 611;

std::string Text(const Session& session, std::int32_t index) { return session.strings.ListString(kTexts, index); }

std::int32_t Window(const Session& session, std::int32_t q) { return QuestionWindowOf(QuestionType(session, q)); }

bool Segregating(const Session& session, std::int32_t q) { return QuestionType(session, q) == kSegregatingType; }

// What offspring of one sex (or of both) look like: "all Light", "1 Light : 1 Dark".
std::string Looks(const Session& session, const std::vector<TableColumn>& columns,
                  const std::vector<std::int32_t>& boxes, std::int32_t sex) {
  std::string text;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (columns[c].sex != sex || boxes[c] == 0) continue;
    const std::string name = FormName(session, columns[c].value);
    if (boxes[c] == kAllOfThem) return Text(session, kAll) + " " + name;
    if (!text.empty()) text += " : ";
    text += std::to_string(boxes[c]) + " " + name;
  }
  return text;
}

void ShowRatios(Session& session, std::int32_t q, bool shown) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const TableLocus locus = TableLocusOf(session);
  const std::vector<TableColumn> columns = PhenotypeColumns(locus);
  const std::vector<ListedCross>& crosses = ListedCrosses(session).crosses;
  service.SetItemText(window, kRatiosHeading, Text(session, kRatiosTitle));
  service.ItemShow(window, kRatiosHeading, shown);
  service.ItemShow(window, kFemaleHeading, shown && locus.sexLinked);
  service.ItemShow(window, kMaleHeading, shown && locus.sexLinked);
  for (std::int32_t r = 0; r < kAllCrosses; ++r) {
    const auto at = static_cast<std::size_t>(r);
    const bool listed = shown && at < crosses.size();
    if (listed) {
      const std::vector<std::int32_t> boxes = ExpectedBoxes(locus, crosses[at], columns, true);
      service.SetItemText(window, kFirstRatioCross + r, CrossText(session, crosses[at]));
      service.SetItemText(window, kFirstFemaleRatio + r, Looks(session, columns, boxes, locus.sexLinked ? 0 : kEitherSex));
      if (locus.sexLinked) service.SetItemText(window, kFirstMaleRatio + r, Looks(session, columns, boxes, 1));
    }
    service.ItemShow(window, kFirstRatioCross + r, listed);
    service.ItemShow(window, kFirstFemaleRatio + r, listed);
    service.ItemShow(window, kFirstMaleRatio + r, listed && locus.sexLinked);
  }
  if (!shown) service.ItemHide(window, kArrow);
}

void PointAt(Session& session, std::int32_t q, std::int32_t row) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  ShowRatios(session, q, true);
  service.ItemPlace(window, kArrow, service.ItemRect(window, kFirstRatioCross + row).top,
                    service.ItemRect(window, kArrow).left);
  service.ItemShow(window, kArrow);
}

void SetUp(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const bool segregating = Segregating(session, q);
  service.SetItemText(window, kFemaleHeading, Text(session, kFemale));
  service.SetItemText(window, kMaleHeading, Text(session, kMale));
  service.SetItemText(window, kShowRatios, Text(session, kShowRatiosButton));
  ShowRatios(session, q, false);
  const bool listed = ListedCrosses(session).complete;
  for (std::int32_t item = kFirstAnswer; item <= kLastAnswer; ++item) {
    const bool shown = listed && segregating;
    if (shown) {
      service.SetItemText(window, item, Text(session, kFirstNumber + item - kFirstAnswer));
      service.SetItemValue(window, item, 0);
      service.ItemEnable(window, item);
    }
    service.ItemShow(window, item, shown);
  }
  service.ItemShow(window, kCrossChoice, listed && !segregating);
  service.ItemShow(window, kShowRatios, listed);
  if (!listed) {
    RefuseSetUp(session, q, Text(session, kListFirst));
    return;
  }
  if (segregating) {
    service.SetItemText(window, question_window::kInstruction, Text(session, kSegregatingQuestion));
    service.ItemHide(window, question_window::kMark);
    return;
  }
  const bool intercross = QuestionType(session, q) == kIntercrossType;
  service.SetItemText(window, question_window::kInstruction,
                      Text(session, intercross ? kIntercrossQuestion : kReversedQuestion));
  std::string entries;
  for (const ListedCross& cross : ListedCrosses(session).crosses) {
    entries += (entries.empty() ? "" : "\n") + CrossText(session, cross);
  }
  service.SetItemText(window, kCrossChoice, entries);
  service.ItemEnable(window, kCrossChoice);
}

std::int32_t ChosenAnswer(WindowService& service, std::int32_t window) {
  for (std::int32_t item = kFirstAnswer; item <= kLastAnswer; ++item) {
    if (service.ItemVisible(window, item) && service.ItemChecked(window, item)) return item;
  }
  return 0;
}

void Reshow(Session& session, std::int32_t q) {
  if (Segregating(session, q)) {
    HideMarkingUntilAnswered(session, q, ChosenAnswer(session.service, Window(session, q)) != 0);
  }
}

void ItemEvent(Session& session, std::int32_t q, std::int32_t item) {
  const bool done = session.questionState.records[q].completed;
  if (item >= kFirstAnswer && item <= kLastAnswer && !done) ShowMarkingOnAnswer(session, q);
  if (item == kShowRatios && session.service.ItemVisible(Window(session, q), kShowRatios)) {
    ShowRatios(session, q, !session.service.ItemVisible(Window(session, q), kRatiosHeading));
  }
}

void MarkSegregating(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const bool right = ChosenAnswer(service, window) == kRightAnswer;
  session.questionState.records[q].mark = right ? 1 : 0;
  for (std::int32_t item = kFirstAnswer; item <= kLastAnswer; ++item) service.ItemDisable(window, item);
  service.ItemHide(window, kShowRatios);
  ShowRatios(session, q, false);
  if (right) {
    ShowGood(session, Text(session, kSegregatingRight));
  } else {
    ShowBad(session, Text(session, kSegregatingWrong));
  }
}

void MarkPick(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  service.ItemSelect(window, kCrossChoice);
  const std::int32_t chosen = service.GetControlValue() - 1;
  // Nothing picked yet: nothing to mark.
  if (chosen < 0) {
    session.questionState.refuse = true;
    return;
  }
  const bool intercross = QuestionType(session, q) == kIntercrossType;
  const std::vector<ListedCross>& crosses = ListedCrosses(session).crosses;
  const TableLocus locus = TableLocusOf(session);
  const std::int32_t right = intercross ? LikeAutosomalIntercross(crosses, locus) : ReversedPhenotypes(crosses, locus);
  service.ItemDisable(window, kCrossChoice);
  session.questionState.records[q].mark = chosen == right ? 1 : 0;
  if (chosen == right) {
    ShowGood(session, Text(session, intercross ? kIntercrossRight : kReversedRight));
    return;
  }
  ShowBad(session, Text(session, intercross ? kIntercrossArrowed : kReversedArrowed));
  if (right >= 0 && !session.classOptions.NoAnswers()) PointAt(session, q, right);
}

void MarkAnswer(Session& session, std::int32_t q) {
  if (Segregating(session, q)) {
    MarkSegregating(session, q);
  } else {
    MarkPick(session, q);
  }
}

std::string Explanation(Session& session, std::int32_t q) {
  return Text(session, Segregating(session, q) ? kSegregatingExplained : kPickExplained);
}

// Put away, the question takes its arrow with it (a window never set up
// is gone already).
void Hide(Session& session, std::int32_t q) {
  if (session.service.WindowExists(Window(session, q))) session.service.ItemHide(Window(session, q), kArrow);
}

}  // namespace

const QuestionFamily kCrossPickFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .reshow = Reshow,
    .itemEvent = ItemEvent,
    .explanation = Explanation,
    .hide = Hide,
};

}  // namespace crossmere
