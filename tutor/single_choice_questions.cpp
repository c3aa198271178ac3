// Questions answered by one choice among a few: "Autosomal or sex-linked?"
// (type 14) and "Linked or unlinked" (type 27).

#include <numeric>

#include "exercises/question_types.h"
#include "exercises/single_choice_check.h"
#include "layer/number_text.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace choice_text;

constexpr std::int32_t kLocusTexts = 514;
constexpr std::int32_t kLinkageTexts = 527;
constexpr std::int32_t kLocusType = 14;
constexpr std::int32_t kFirstAnswer = 41;
constexpr std::int32_t kLastAnswer = 43;

bool LocusQuestion(const Session& session, std::int32_t q) { return QuestionType(session, q) == kLocusType; }

std::string Text(const Session& session, std::int32_t q, std::int32_t index) {
  return session.strings.ListString(LocusQuestion(session, q) ? kLocusTexts : kLinkageTexts, index);
}

std::string WithMinimum(const Session& session, const std::string& text) {
  return WithNumber(text, MinimumOffspring(session));
}

std::int32_t Chosen(WindowService& service, std::int32_t window) {
  for (std::int32_t item = kFirstAnswer; item <= kLastAnswer; ++item) {
    if (service.ItemVisible(window, item) && service.ItemChecked(window, item)) return item;
  }
  return 0;
}

void SetUp(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = QuestionWindowOf(QuestionType(session, q));
  const bool locus = LocusQuestion(session, q);
  service.SetItemText(window, question_window::kInstruction, Text(session, q, locus ? kLocusQuestion : kLociQuestion));
  const std::int32_t first = locus ? kAutosomal : kLinked;
  for (std::int32_t item = kFirstAnswer; item <= kLastAnswer; ++item) {
    const std::int32_t answer = first + item - kFirstAnswer;
    const bool shown = locus ? item < kLastAnswer
                             : item < kLastAnswer || !session.exercises.options[session.progress.current].NoCantTell();
    if (shown) service.SetItemText(window, item, Text(session, q, answer));
    service.ItemEnable(window, item);
    service.SetItemValue(window, item, 0);
    service.ItemShow(window, shown ? item : -item);
  }
  service.ItemHide(window, question_window::kMark);
}

// The marking button waits for a choice.
void Reshow(Session& session, std::int32_t q) {
  HideMarkingUntilAnswered(session, q, Chosen(session.service, QuestionWindowOf(QuestionType(session, q))) != 0);
}

void ItemEvent(Session& session, std::int32_t q, std::int32_t item) {
  if (item >= kFirstAnswer && item <= kLastAnswer) ShowMarkingOnAnswer(session, q);
}

void Finish(Session& session, std::int32_t q, bool good, const std::string& text) {
  const std::int32_t window = QuestionWindowOf(QuestionType(session, q));
  for (std::int32_t item = kFirstAnswer; item <= kLastAnswer; ++item) session.service.ItemDisable(window, item);
  session.questionState.records[q].mark = good ? QuestionMarks(QuestionType(session, q)) : 0;
  if (good) {
    ShowGood(session, text);
  } else {
    ShowBad(session, text);
  }
}

void MarkAnswer(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = QuestionWindowOf(QuestionType(session, q));
  const std::int32_t chosen = Chosen(service, window);
  if (chosen == 0) {
    session.questionState.refuse = true;
    return;
  }
  if (LocusQuestion(session, q)) {
    const bool good = LocusAnswerRight(session.genetics, chosen == kFirstAnswer + 1);
    Finish(session, q, good, Text(session, q, good ? kLocusGood : kLocusWrong));
    return;
  }
  const LinkageChoice choice = chosen == kFirstAnswer       ? LinkageChoice::Linked
                               : chosen == kFirstAnswer + 1 ? LinkageChoice::Unlinked
                                                            : LinkageChoice::CantTell;
  const auto& counts = session.offspring.crossClassCount;
  const std::int32_t offspring = std::accumulate(counts.begin(), counts.end(), 0);
  const LinkageVerdict verdict =
      JudgeLinkage(session.genetics, session.genetics.objectClass[kFirstParentObject],
                   session.genetics.objectClass[kSecondParentObject], offspring, MinimumOffspring(session), choice);
  const std::string text = WithMinimum(session, Text(session, q, verdict.message));
  if (verdict.refuse) {
    session.questionState.refuse = true;
    service.ItemHide(window, question_window::kMark);
    ShowBad(session, text);
    return;
  }
  Finish(session, q, verdict.good, text);
}

std::string Explanation(Session& session, std::int32_t q) {
  const bool locus = LocusQuestion(session, q);
  const std::int32_t first = locus ? kFirstLocusExplanation : kFirstLinkageExplanation;
  const std::int32_t count = locus ? kLocusExplanationCount : kLinkageExplanationCount;
  std::string text;
  for (std::int32_t k = 0; k < count; ++k) {
    if (k > 0) text += "\n\n";
    text += Text(session, q, first + k);
  }
  if (!locus) text += "\n\n" + WithMinimum(session, Text(session, q, kHundredIsEnough));
  return text;
}

}  // namespace

const QuestionFamily kSingleChoiceFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .reshow = Reshow,
    .itemEvent = ItemEvent,
    .explanation = Explanation,
};

}  // namespace crossmere
