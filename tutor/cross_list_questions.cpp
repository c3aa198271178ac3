// "List all crosses" (type 20): every cross of a two-allele locus set up in
// the crossing box and added to a list, which is complete at six.

#include "exercises/cross_list.h"
#include "exercises/question_types.h"
#include "tutor/listed_crosses.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace cross_list_text;

constexpr std::int32_t kTexts = 520;
constexpr std::int32_t kFirstListed = 411;
constexpr std::int32_t kAddToList = 30;

std::string Text(const Session& session, std::int32_t index) { return session.strings.ListString(kTexts, index); }

CrossList& List(Session& session) { return ListedCrosses(session); }

std::int32_t Window(const Session& session, std::int32_t q) { return QuestionWindowOf(QuestionType(session, q)); }

void ShowList(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const CrossList& list = List(session);
  for (std::int32_t k = 0; k < kAllCrosses; ++k) {
    const auto at = static_cast<std::size_t>(k);
    const bool listed = at < list.crosses.size();
    if (listed) service.SetItemText(Window(session, q), kFirstListed + k, CrossText(session, list.crosses[at]));
    service.ItemShow(Window(session, q), listed ? kFirstListed + k : -(kFirstListed + k));
  }
}

void ClearResult(Session& session, std::int32_t q) {
  for (std::int32_t item = question_window::kFirstResult; item <= question_window::kBadText; ++item) {
    session.service.ItemHide(Window(session, q), item);
  }
}

void SetUp(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  service.SetItemText(Window(session, q), question_window::kInstruction, Text(session, kInstruction));
  service.SetItemText(Window(session, q), question_window::kMark, Text(session, kCompleteButton));
  service.SetItemText(Window(session, q), kAddToList, Text(session, kAddButton));
  service.ItemShow(Window(session, q), List(session).complete ? -kAddToList : kAddToList);
  ShowList(session, q);
}

// Shown again, both buttons come back.
void Reshow(Session& session, std::int32_t q) {
  if (!List(session).complete) session.service.ItemShow(Window(session, q), kAddToList);
}

void AddCurrentCross(Session& session, std::int32_t q) {
  const GeneticsState& genetics = session.genetics;
  ClearResult(session, q);
  const std::int32_t first = genetics.objectClass[kFirstParentObject];
  const std::int32_t second = genetics.objectClass[kSecondParentObject];
  if (first == 0 || second == 0) {
    ShowBad(session, Text(session, kNoCross));
    return;
  }
  const std::int32_t position = genetics.locusPosition[1];
  const ListedCross cross{genetics.classes[first].Sum(position), genetics.classes[second].Sum(position)};
  switch (List(session).Add(cross, CrossesOrdered(session))) {
    case AddOutcome::Added:
      ShowGood(session, Text(session, kAdded));
      ShowList(session, q);
      break;
    case AddOutcome::AlreadyListed: ShowBad(session, Text(session, kAlreadyListed)); break;
    case AddOutcome::ListedReversed: ShowBad(session, Text(session, kListedReversed)); break;
  }
}

void ItemEvent(Session& session, std::int32_t q, std::int32_t item) {
  if (item == kAddToList && !List(session).complete) AddCurrentCross(session, q);
}

// "List complete": each press before all six are listed costs a mark and
// puts both buttons away until the question is shown again.
void MarkAnswer(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  CrossList& list = List(session);
  QuestionRecord& record = session.questionState.records[q];
  if (static_cast<std::int32_t>(list.crosses.size()) < kAllCrosses) {
    session.questionState.refuse = true;
    record.mark = std::max(record.mark - 1, 0);
    ShowBad(session, Text(session, kMoreToGo));
    service.ItemHide(Window(session, q), kAddToList);
    service.ItemHide(Window(session, q), question_window::kMark);
    return;
  }
  list.complete = true;
  service.ItemHide(Window(session, q), kAddToList);
  if (record.mark == QuestionMarks(QuestionType(session, q))) {
    ShowGood(session, Text(session, kAdded));
  } else {
    service.ItemShow(Window(session, q), question_window::kGoodImage);
  }
}

std::string Explanation(Session& session, std::int32_t) {
  std::string text = Text(session, kSixCrosses);
  if (CrossesOrdered(session)) text += "\n\n" + Text(session, kFemaleFirst);
  return text;
}

}  // namespace

const QuestionFamily kCrossListFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .reshow = Reshow,
    .itemEvent = ItemEvent,
    .explanation = Explanation,
};

}  // namespace crossmere
