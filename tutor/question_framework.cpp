#include "tutor/question_framework.h"

#include <algorithm>
#include <vector>

#include "exercises/question_types.h"
#include "layer/number_text.h"
#include "tutor/getting_started.h"
#include "tutor/marks_display.h"
#include "tutor/question_families.h"
#include "tutor/question_window.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace question_window;

constexpr std::int32_t kMarkCaption = 7;       // list 300
constexpr std::int32_t kAnswerFirstText = 21;  // list 603: "Answer question %d first"
constexpr char kBullet[] = "\u2022 ";

QuestionRecord& Record(Session& session, std::int32_t q) { return session.questionState.records[q]; }

// A window has the result items its family uses, of 301..314.
void HideResults(Session& session, std::int32_t type, std::int32_t last) {
  WindowService& service = session.service;
  const std::int32_t window = QuestionWindowOf(type);
  for (std::int32_t item = kFirstResult; item <= last; ++item) {
    if (service.ItemExists(window, item)) service.ItemHide(window, item);
  }
}

// The first question before q that is not yet done; 0 when there is none.
std::int32_t WaitingFor(const Session& session, std::int32_t q) {
  for (std::int32_t k = 1; k < q; ++k) {
    if (!session.questionState.records[k].completed) return k;
  }
  return 0;
}

// The marking button shows only while the question is open and every
// question before it is done; until then the window says which comes first.
void ShowMarkingButton(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = QuestionWindowOf(QuestionType(session, q));
  const bool open = !Record(session, q).completed;
  const std::int32_t waiting = WaitingFor(session, q);
  service.ItemShow(window, open && waiting == 0 ? kMark : -kMark);
  if (!service.ItemExists(window, kAnswerFirst)) return;
  if (open && waiting != 0) {
    service.SetItemText(window, kAnswerFirst, WithNumber(session.strings.ListString(603, kAnswerFirstText), waiting));
  }
  service.ItemShow(window, open && waiting != 0 ? kAnswerFirst : -kAnswerFirst);
}

void CaptionQuestionCommand(Session& session, std::int32_t q, bool bullet) {
  WindowService& service = session.service;
  const std::string title = QuestionMenuTitle(session.strings, session.progress.current, q, session.questions);
  service.Registers().stringRegister = bullet ? kBullet + title : title;
  service.Menu(kFirstQuestionCommand - 1 + q, 0, static_cast<std::int32_t>(MenuAction::Caption), 0);
  service.Menu(kFirstQuestionCommand - 1 + q, bullet ? 1 : 0, static_cast<std::int32_t>(MenuAction::Check), 0);
}

// Places a question window in the corner of the workspace below the boxes
// where it hides the fewest individuals; the bottom right, where it leaves
// the crossing box, the Storage container and the labels in sight, wins ties.
void PlaceQuestionWindow(Session& session, std::int32_t window) {
  WindowService& service = session.service;
  service.WindowBounds(window);
  const auto bounds = service.Registers().windowRect;
  const std::int32_t width = bounds.right - bounds.left;
  const std::int32_t height = bounds.bottom - bounds.top;
  const LayoutSize& layout = session.startup.layout;
  const std::int32_t boxesBottom = std::max(service.ItemRect(main_window::kWindow, kFirstParentObject).bottom,
                                            service.ItemRect(main_window::kWindow, kSecondParentObject).bottom);
  const std::int32_t right = layout.width - width - 12;
  const std::int32_t bottom = std::max(layout.height - height - 40, boxesBottom + 8);
  const std::int32_t high = boxesBottom + 8;
  std::vector<ServiceRect> shown;
  for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
    if (session.genetics.objectClass[object] == 0 || !service.ItemVisible(main_window::kWindow, object)) continue;
    shown.push_back(service.ItemRect(main_window::kWindow, object));
  }
  // The getting-started instructions, while they show, stay in sight above all.
  std::optional<ServiceRect> instructions;
  if (service.WindowExists(getting_started::kWindow) && service.WindowVisible(getting_started::kWindow)) {
    instructions = service.WindowRectIn(getting_started::kWindow, main_window::kWindow);
  }
  constexpr std::ptrdiff_t kCoversInstructions = 1000;
  std::int32_t bestLeft = right, bestTop = bottom;
  std::ptrdiff_t fewest = -1;
  for (const auto& [left, top] : {std::pair{right, bottom}, std::pair{12, bottom}, std::pair{right, high},
                                 std::pair{12, high}}) {
    const ServiceRect place{top, left, top + height, left + width};
    std::ptrdiff_t hidden =
        std::count_if(shown.begin(), shown.end(), [&](const ServiceRect& r) { return OverlapArea(place, r) > 0; });
    if (instructions && OverlapArea(place, *instructions) > 0) hidden += kCoversInstructions;
    if (fewest < 0 || hidden < fewest) {
      fewest = hidden;
      bestLeft = left;
      bestTop = top;
    }
  }
  service.WindowPlace(window, bestLeft, bestTop);
}

// A screen reader says the question's instruction after the window's title.
void DescribeQuestion(Session& session, std::int32_t window) {
  WindowService& service = session.service;
  if (service.ItemExists(window, kInstruction)) service.WindowDescribe(window, service.ItemText(window, kInstruction));
}

void SetUpWindow(Session& session, std::int32_t q, const QuestionFamily& family) {
  WindowService& service = session.service;
  QuestionState& state = session.questionState;
  const std::int32_t type = QuestionType(session, q);
  const std::int32_t window = QuestionWindowOf(type);
  service.WindowOpen(window, 1);
  service.Registers().fileNameRegister =
      "Ex" + std::to_string(session.progress.current) + " Q" + std::to_string(q);
  service.WindowSetTitle();
  PlaceQuestionWindow(session, window);
  service.ItemShow(window, kExplain);
  service.ItemShow(window, kHide);
  service.SetItemText(window, kMark, session.strings.ListString(300, kMarkCaption));
  service.ItemHide(window, kSeeGenotypes);
  ShowMarkingButton(session, q);
  HideResults(session, type, kLastResult);
  for (std::int32_t item = kFirstResult; item <= 310; ++item) {
    if (service.ItemExists(window, item)) {
      service.SetItemTextColour(window, item, item <= kGoodText ? kGoodColour : kBadColour);
    }
  }
  // A window belongs to one question at a time: another question of the
  // same type is set up afresh when it is chosen again.
  for (std::int32_t k = 1; k <= session.questions.list.count; ++k) {
    if (k != q && QuestionType(session, k) == type) Record(session, k).opened = false;
  }
  state.refuse = false;
  family.setUp(session, q);
  if (!state.refuse) Record(session, q).opened = true;
  DescribeQuestion(session, window);
  service.WindowShow(window);
  Record(session, q).mark = QuestionMarks(type);
}

bool GenotypesFullyShown(const Session& session) {
  const ExerciseOptions& options = session.exercises.options[session.progress.current];
  return !options.GenotypesNo() && !options.GenotypesPart() && !options.HideOffspring();
}

void OutOfOrder(Session& session) {
  WindowService& service = session.service;
  service.WindowOpen(kOutOfOrder, 0);
  CentreOnLayout(service, kOutOfOrder, session.startup.layout);
  service.WindowRunModal(kOutOfOrder);
  service.WindowRelease(kOutOfOrder);
}

std::optional<MarkOutcome> HandleQuestionWindowEvent(Session& session, std::int32_t window, std::int32_t item) {
  if ((window == kRules || window == kExplanation) && item == 1000) {
    session.service.WindowRelease(window);
    return MarkOutcome::Unmarked;
  }
  if (!IsQuestionWindow(window)) return std::nullopt;
  QuestionState& state = session.questionState;
  if (state.showing == 0 || window != QuestionWindowNumber(session)) return MarkOutcome::Unmarked;
  switch (item) {
    case kMark:
      return MarkQuestion(session);
    case kExplain:
      ExplainQuestion(session);
      return MarkOutcome::Unmarked;
    case kHide:
      HideQuestion(session);
      return MarkOutcome::Unmarked;
    case kSeeGenotypes:
      SeeGenotypes(session);
      return MarkOutcome::Unmarked;
    default:
      break;
  }
  // A marked question may still let the student look at things, so the
  // family hears of every control and decides for itself.
  const QuestionFamily* family = FamilyOf(QuestionType(session, state.showing));
  if (family != nullptr && family->itemEvent != nullptr) family->itemEvent(session, state.showing, item);
  return MarkOutcome::Unmarked;
}

}  // namespace

std::int32_t QuestionType(const Session& session, std::int32_t q) {
  return q >= 1 && q <= session.questions.list.count ? session.questions.list.types[q] : 0;
}

std::int32_t QuestionWindowNumber(const Session& session) {
  const QuestionState& state = session.questionState;
  return QuestionWindowOf(QuestionType(session, state.showing != 0 ? state.showing : state.current));
}

bool AllQuestionsDone(const Session& session) {
  for (std::int32_t q = 1; q <= session.questions.list.count; ++q) {
    if (!session.questionState.records[q].completed) return false;
  }
  return true;
}

bool EarlierQuestionsDone(const Session& session, std::int32_t q) { return WaitingFor(session, q) == 0; }

void RebuildQuestionsMenu(Session& session) {
  WindowService& service = session.service;
  for (std::int32_t q = 1; q <= kMaxQuestions; ++q) {
    const std::int32_t command = kFirstQuestionCommand - 1 + q;
    if (q > session.questions.list.count) {
      service.Menu(command, 0, 0, -2);
      continue;
    }
    service.Menu(command, 0, 0, -1);
    CaptionQuestionCommand(session, q, false);
  }
}

void ClearQuestions(Session& session) {
  WindowService& service = session.service;
  HideQuestion(session);
  for (std::int32_t window = kFirst; window <= kLast; ++window) {
    if (service.WindowExists(window)) service.WindowRelease(window);
  }
  if (service.WindowExists(kExplanation)) service.WindowRelease(kExplanation);
  session.questionState = QuestionState();
  session.questionFamilies.Clear();
}

void SelectQuestion(Session& session, std::int32_t q) {
  QuestionState& state = session.questionState;
  if (q < 1 || q > session.questions.list.count) return;
  if (state.showing != 0) HideQuestion(session);
  const std::int32_t type = QuestionType(session, q);
  const QuestionFamily* family = FamilyOf(type);
  if (family == nullptr) {
    session.service.Alert(op::kInformationBox, session.strings.ListString(603, 20));
    return;
  }
  state.current = q;
  if (family->onSelect) family->onSelect(session, q);
  QuestionRecord& record = Record(session, q);
  const std::int32_t window = QuestionWindowOf(type);
  if (record.opened && session.service.WindowExists(window)) {
    if (!record.completed) HideResults(session, type, 308);
    ShowMarkingButton(session, q);
    if (family->reshow) family->reshow(session, q);
    session.service.WindowShow(window);
  } else {
    SetUpWindow(session, q, *family);
  }
  state.showing = q;
}

MarkOutcome MarkQuestion(Session& session) {
  QuestionState& state = session.questionState;
  const std::int32_t q = state.showing;
  if (q == 0) return MarkOutcome::Unmarked;
  QuestionRecord& record = Record(session, q);
  if (record.completed) return MarkOutcome::Unmarked;
  if (!EarlierQuestionsDone(session, q)) {
    OutOfOrder(session);
    return MarkOutcome::Unmarked;
  }
  const QuestionFamily* family = FamilyOf(QuestionType(session, q));
  if (family == nullptr) return MarkOutcome::Unmarked;
  // A verdict on an earlier attempt makes way for this one's.
  HideResults(session, QuestionType(session, q), kLastResult);
  state.refuse = false;
  family->markAnswer(session, q);
  if (state.refuse) return MarkOutcome::Unmarked;

  WindowService& service = session.service;
  const std::int32_t window = QuestionWindowNumber(session);
  service.ItemHide(window, kMark);
  record.completed = true;
  CaptionQuestionCommand(session, q, true);
  if (record.mark < 0) record.mark = 0;
  ProgressState& progress = session.progress;
  progress.marksThisTry[progress.current] += record.mark;
  if (!session.classOptions.NoMarks() && !progress.trialRunning) {
    ShowMarks(session, record.mark, record.maximum, window, kMarksText);
    service.ItemShow(window, kMarksText);
  }
  ReleaseParentsWhenDone(session);
  if (!AllQuestionsDone(session)) return MarkOutcome::Marked;
  if (!GenotypesFullyShown(session) && !session.classOptions.NoAnswers() && !progress.trialRunning) {
    service.ItemShow(window, kSeeGenotypes);
  }
  return MarkOutcome::LastQuestionMarked;
}

void HideQuestion(Session& session) {
  QuestionState& state = session.questionState;
  const std::int32_t q = state.showing;
  if (q == 0) return;
  const std::int32_t window = QuestionWindowNumber(session);
  state.showing = 0;
  if (Record(session, q).opened) {
    session.service.WindowHide(window);
  } else {
    session.service.WindowRelease(window);
  }
  const QuestionFamily* family = FamilyOf(QuestionType(session, q));
  if (family != nullptr && family->hide != nullptr) family->hide(session, q);
}

void ExplainQuestion(Session& session) {
  const std::int32_t q = session.questionState.showing;
  const QuestionFamily* family = FamilyOf(QuestionType(session, q));
  if (q == 0 || family == nullptr || family->explanation == nullptr) return;
  WindowService& service = session.service;
  const bool fresh = !service.WindowExists(kExplanation);
  service.WindowOpen(kExplanation, 1);
  if (fresh) CentreOnLayout(service, kExplanation, session.startup.layout);
  const std::string title = "Explain Ex" + std::to_string(session.progress.current) + " Q" + std::to_string(q);
  service.Registers().fileNameRegister = title;
  service.WindowSetTitle();
  service.SetItemText(kExplanation, 5, QuestionMenuTitle(session.strings, session.progress.current, q,
                                                         session.questions));
  service.SetItemText(kExplanation, 10, family->explanation(session, q));
  service.WindowShow(kExplanation);
}

void SeeGenotypes(Session& session) {
  HideQuestion(session);
  ExampleState& example = session.example;
  for (std::int32_t k = 1; k <= session.genetics.lociCount; ++k) example.showGenotypes[k] = true;
  RedrawIndividuals(session);
}

void ShowRules(Session& session) {
  WindowService& service = session.service;
  const bool fresh = !service.WindowExists(kRules);
  service.WindowOpen(kRules, 1);
  if (fresh) CentreOnLayout(service, kRules, session.startup.layout);
  service.WindowShow(kRules);
}

std::optional<MarkOutcome> QuestionWindowEvent(Session& session, std::int32_t window, std::int32_t item) {
  const std::optional<MarkOutcome> outcome = HandleQuestionWindowEvent(session, window, item);
  // Marking may have changed the instruction (a second stage, say).
  if (outcome && session.questionState.showing != 0) DescribeQuestion(session, QuestionWindowNumber(session));
  return outcome;
}

bool QuestionWorkspaceClick(Session& session, std::int32_t window, std::int32_t item) {
  const std::int32_t q = session.questionState.showing;
  if (q == 0) return false;
  const QuestionFamily* family = FamilyOf(QuestionType(session, q));
  return family != nullptr && family->workspaceClick != nullptr && family->workspaceClick(session, q, window, item);
}

void HideMarkingUntilAnswered(Session& session, std::int32_t q, bool answered) {
  if (!Record(session, q).completed && !answered) {
    session.service.ItemHide(QuestionWindowOf(QuestionType(session, q)), kMark);
  }
}

void ShowMarkingOnAnswer(Session& session, std::int32_t q) {
  if (!Record(session, q).completed && EarlierQuestionsDone(session, q)) {
    session.service.ItemShow(QuestionWindowOf(QuestionType(session, q)), kMark);
  }
}

void RefuseSetUp(Session& session, std::int32_t q, const std::string& instruction) {
  const std::int32_t window = QuestionWindowOf(QuestionType(session, q));
  session.service.SetItemText(window, kInstruction, instruction);
  DescribeQuestion(session, window);
  session.service.ItemHide(window, kMark);
  session.questionState.refuse = true;
}

void ShowVerdictBeside(Session& session, std::int32_t window, std::int32_t item, bool right, const std::string& value) {
  WindowService& service = session.service;
  service.SetItemText(window, item, right ? "\u2713" : value);
  service.SetItemTextColour(window, item, right ? kGoodColour : kBadColour);
  service.ItemShow(window, item);
}

std::int32_t MinimumOffspring(const Session& session) {
  constexpr std::int32_t kMinimumOffspringList = 301;
  const bool fewer = session.classOptions.AutoCage() == Automation::None;
  return ParseWholeNumber(session.strings.ListString(kMinimumOffspringList, fewer ? 1 : 2)).value_or(100);
}

void ShowGood(Session& session, const std::string& text) {
  const std::int32_t window = QuestionWindowNumber(session);
  session.service.ItemShow(window, kGoodImage);
  ShowResultLine(session, kGoodText, text);
}

void ShowBad(Session& session, const std::string& text) {
  const std::int32_t window = QuestionWindowNumber(session);
  session.service.ItemShow(window, kBadImage);
  ShowResultLine(session, kBadText, text);
}

void ShowResultLine(Session& session, std::int32_t item, const std::string& text) {
  const std::int32_t window = QuestionWindowNumber(session);
  session.service.SetItemText(window, item, text);
  session.service.ItemShow(window, item);
}

}  // namespace crossmere
