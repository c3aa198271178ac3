// Questions answered by setting up a cross in the crossing box.

#include "exercises/cross_check.h"
#include "exercises/question_types.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kTexts = 504;
constexpr std::int32_t kIntercrossInstruction = 1;
constexpr std::int32_t kTestcrossInstruction = 2;
constexpr std::int32_t kSetOneUp = 5;
constexpr std::int32_t kGood = 6;
constexpr std::int32_t kIntercrossExplanation = 21;
constexpr std::int32_t kTestcrossExplanation = 22;
constexpr std::int32_t kCommonExplanation = 23;
constexpr std::int32_t kCommonExplanationCount = 2;

constexpr std::int32_t kYes = 61;
constexpr std::int32_t kNo = 62;

std::string Text(const Session& session, std::int32_t index) { return session.strings.ListString(kTexts, index); }

// Observed-and-expected questions, estimates of recombination and the
// three-point map and interference count the offspring of the cross
// confirmed before them.
bool NeedsCross(std::int32_t type) {
  return type == 5 || type == 6 || type == 8 || type == 9 || type == 15 || type == 16 || type == 18 || type == 28 ||
         type == 29 || type == 33 || type == 34;
}

// Questions that confirm a cross for the questions after them.
bool IsCrossQuestion(std::int32_t type) { return type == 4 || type == 7 || type == 10 || type == 30 || type == 31; }

void ResetAnswer(WindowService& service, std::int32_t window) {
  for (const std::int32_t item : {kYes, kNo}) {
    service.ItemEnable(window, item);
    service.SetItemValue(window, item, 0);
  }
  service.ItemHide(window, question_window::kMark);
}

void SetUp(Session& session, std::int32_t q) {
  const std::int32_t type = QuestionType(session, q);
  const std::int32_t window = QuestionWindowOf(type);
  session.service.SetItemText(window, question_window::kInstruction,
                              Text(session, type == question_type::kTestcross ? kTestcrossInstruction : kIntercrossInstruction));
  ResetAnswer(session.service, window);
}

// The marking button waits for a "Yes" or a "No".
void Reshow(Session& session, std::int32_t q) {
  const std::int32_t window = QuestionWindowOf(QuestionType(session, q));
  WindowService& service = session.service;
  HideMarkingUntilAnswered(session, q, service.ItemChecked(window, kYes) || service.ItemChecked(window, kNo));
}

void ItemEvent(Session& session, std::int32_t q, std::int32_t item) {
  if (item == kYes || item == kNo) ShowMarkingOnAnswer(session, q);
}

CrossParent ParentIn(const Session& session, std::int32_t place) {
  const std::int32_t object = session.example.parentObjects[place - kFirstParentObject];
  const bool f1 = object >= kFirstOffspringObject && object <= kLastOffspringObject && session.offspring.f1[object] != 0;
  return {session.genetics.objectClass[place], f1};
}

void MarkAnswer(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  QuestionState& state = session.questionState;
  QuestionRecord& record = state.records[q];
  const std::int32_t type = QuestionType(session, q);
  const std::int32_t window = QuestionWindowOf(type);
  const bool yes = service.ItemChecked(window, kYes);
  const bool no = service.ItemChecked(window, kNo);
  service.ItemDisable(window, kYes);
  service.ItemDisable(window, kNo);
  if (!yes && !no) {
    state.refuse = true;
    ResetAnswer(service, window);
    return;
  }
  if (no) {
    state.refuse = true;
    ShowBad(session, Text(session, kSetOneUp));
    ResetAnswer(service, window);
    return;
  }
  const std::int32_t result = CrossCheck(
      session.genetics, {ParentIn(session, kFirstParentObject), ParentIn(session, kSecondParentObject)}, type);
  if (result != cross_check::kRight) {
    state.refuse = true;
    ++record.maximum;  // records that an attempt failed
    ShowBad(session, Text(session, CrossCheckMessageIndex(result)));
    ResetAnswer(service, window);
    return;
  }
  const std::int32_t worth = session.questions.maximum[q];
  if (record.maximum == worth) {
    ShowGood(session, Text(session, kGood));
  } else {
    record.mark = 0;
    record.maximum = worth;
  }
  for (std::int32_t k = 1; k <= session.questions.list.count; ++k) {
    if (NeedsCross(session.questions.list.types[k])) {
      LockParents(session);
      break;
    }
  }
}

std::string Explanation(Session& session, std::int32_t q) {
  std::string text =
      Text(session, QuestionType(session, q) == question_type::kTestcross ? kTestcrossExplanation : kIntercrossExplanation);
  for (std::int32_t k = 0; k < kCommonExplanationCount; ++k) text += "\n\n" + Text(session, kCommonExplanation + k);
  return text;
}

}  // namespace

const QuestionFamily kCrossSetUpFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .reshow = Reshow,
    .itemEvent = ItemEvent,
    .explanation = Explanation,
};

void LockParents(Session& session) {
  session.cross.parentsLocked = true;
  session.service.ItemShow(main_window::kWindow, main_window::kParentsLockedLabel);
}

void ReleaseParentsWhenDone(Session& session) {
  if (!session.cross.parentsLocked) return;
  // Questions after a cross question still to come count that later cross.
  for (std::int32_t k = 1; k <= session.questions.list.count; ++k) {
    const std::int32_t type = session.questions.list.types[k];
    if (session.questionState.records[k].completed) continue;
    if (IsCrossQuestion(type)) break;
    if (NeedsCross(type)) return;
  }
  session.cross.parentsLocked = false;
  if (!session.exercises.options[session.progress.current].Locked()) {
    session.service.ItemHide(main_window::kWindow, main_window::kParentsLockedLabel);
  }
}

}  // namespace crossmere
