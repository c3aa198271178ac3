// "Getting started": an instruction window that walks a newcomer through the
// program one step at a time, checking the workspace at the steps where the
// student has to do something, and the exercise's one question (type 23).

#include "tutor/getting_started.h"

#include <algorithm>
#include <array>

#include "exercises/question_types.h"
#include "exercises/tutorial_check.h"
#include "tutor/progression.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/instructions.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace getting_started;

constexpr std::int32_t kTexts = 523;
constexpr std::int32_t kQuestionText = 13;
constexpr std::int32_t kFinished = 14;
constexpr std::int32_t kNotFinished = 15;
constexpr std::int32_t kStepWord = 16;
constexpr std::int32_t kOfWord = 17;
constexpr std::int32_t kExplained = 18;
constexpr std::int32_t kFirstScreenList = 553;
// The screens' lists end before the lists that follow them.
constexpr std::int32_t kMostScreens = 47;
constexpr std::int32_t kGettingStartedType = 23;
constexpr std::int32_t kMargin = 12;
constexpr std::int32_t kBottomMargin = 40;

struct TutorialState {
  std::int32_t screen = 1;
  std::int32_t furthest = 1;
  std::array<bool, kMostScreens + 1> passed{};  // a screen checked once lets the student by
  std::array<std::int32_t, 2> startingParents{};
  bool waiting = false;  // for the exercise's description to be put away
};

TutorialState& State(Session& session) { return session.questionFamilies.Get<TutorialState>(); }

std::string Text(const Session& session, std::int32_t index) { return session.strings.ListString(kTexts, index); }

std::int32_t ScreenCount(const Session& session) {
  std::int32_t count = 0;
  while (count < kMostScreens && !session.strings.ListString(kFirstScreenList + count, 1).empty()) ++count;
  return count;
}

std::string ScreenText(const Session& session, std::int32_t screen) {
  std::string text;
  for (std::int32_t entry = 1;; ++entry) {
    const std::string paragraph = session.strings.ListString(kFirstScreenList + screen - 1, entry);
    if (paragraph.empty()) return text;
    if (!text.empty()) text += "\n\n";
    text += paragraph;
  }
}

std::int32_t LocusSum(const Session& session, std::int32_t classNumber) {
  return session.genetics.classes[classNumber].Sum(session.genetics.locusPosition[1]);
}

std::vector<std::int32_t> SumsIn(const Session& session, const ContainerRecord& record) {
  std::vector<std::int32_t> sums;
  for (std::int32_t spot = 1; spot <= containers::kCapacity; ++spot) {
    const std::int32_t classNumber = record.spots[static_cast<std::size_t>(spot)];
    if (classNumber >= 1 && classNumber <= kClassCount) sums.push_back(LocusSum(session, classNumber));
  }
  return sums;
}

TutorialWorkspace Workspace(Session& session) {
  TutorialWorkspace workspace;
  const ContainerState& held = session.containers;
  for (std::int32_t c = containers::kFirst + 1; c <= containers::kLast; ++c) {
    const ContainerRecord& record = held.Record(c);
    if (record.count >= 0) workspace.containers.push_back({record.name, SumsIn(session, record)});
  }
  workspace.storage = SumsIn(session, held.Record(containers::kFirst));
  const GeneticsState& genetics = session.genetics;
  for (std::size_t i = 0; i < 2; ++i) {
    const std::int32_t classNumber = genetics.objectClass[kFirstParentObject + static_cast<std::int32_t>(i)];
    if (classNumber != 0) workspace.parents[i] = LocusSum(session, classNumber);
  }
  workspace.laterCross = !session.offspring.startingCross;
  workspace.startingParents = State(session).startingParents;
  const LocusRule& locus = genetics.loci[1];
  workspace.locusSymbol = locus.symbol[static_cast<std::size_t>(locus.dominantAllele)];
  workspace.dominantSum = 2 * locus.dominantAllele;
  return workspace;
}

void ShowScreen(Session& session) {
  WindowService& service = session.service;
  const TutorialState& state = State(session);
  const std::int32_t count = ScreenCount(session);
  service.SetItemText(kWindow, kStep, Text(session, kStepWord) + " " + std::to_string(state.screen) + " " +
                                          Text(session, kOfWord) + " " + std::to_string(count));
  service.SetItemText(kWindow, kScreen, ScreenText(session, state.screen));
  service.ItemHide(kWindow, kProblem);
  if (state.screen > 1) {
    service.ItemEnable(kWindow, kBack);
  } else {
    service.ItemDisable(kWindow, kBack);
  }
  if (state.screen < count) {
    service.ItemEnable(kWindow, kNext);
  } else {
    service.ItemDisable(kWindow, kNext);
  }
}

void Next(Session& session) {
  TutorialState& state = State(session);
  const auto at = static_cast<std::size_t>(state.screen);
  if (TutorialScreenChecks(state.screen) && !state.passed[at]) {
    const TutorialProblem problem = CheckTutorialScreen(state.screen, Workspace(session));
    if (problem != TutorialProblem::None) {
      session.service.SetItemText(kWindow, kProblem, Text(session, static_cast<std::int32_t>(problem)));
      session.service.SetItemTextColour(kWindow, kProblem, question_window::kBadColour);
      session.service.ItemShow(kWindow, kProblem);
      return;
    }
    state.passed[at] = true;
  }
  state.screen = std::min(state.screen + 1, ScreenCount(session));
  state.furthest = std::max(state.furthest, state.screen);
  ShowScreen(session);
}

bool GettingStarted(const Session& session) {
  return session.questions.list.count >= 1 && session.questions.list.types[1] == kGettingStartedType;
}

// ---- The exercise's question ----

void SetUp(Session& session, std::int32_t q) {
  session.service.SetItemText(QuestionWindowOf(QuestionType(session, q)), question_window::kInstruction,
                              Text(session, kQuestionText));
}

void MarkAnswer(Session& session, std::int32_t) {
  if (session.service.WindowExists(kWindow)) session.service.WindowRelease(kWindow);
  ShowGood(session, Text(session, State(session).furthest >= kPracticalDone ? kFinished : kNotFinished));
}

std::string Explanation(Session& session, std::int32_t) { return Text(session, kExplained); }

void ShowTutorialWindow(Session& session) {
  WindowService& service = session.service;
  const bool fresh = !service.WindowExists(kWindow);
  service.WindowOpen(kWindow, 1);
  if (fresh) {
    // At the workspace's bottom right, clear of the boxes.
    service.WindowBounds(kWindow);
    const auto bounds = service.Registers().windowRect;
    const LayoutSize& layout = session.startup.layout;
    service.WindowPlace(kWindow, layout.width - (bounds.right - bounds.left) - kMargin,
                        layout.height - (bounds.bottom - bounds.top) - kBottomMargin);
  }
  ShowScreen(session);
  service.WindowShow(kWindow);
}

}  // namespace

void OpenTutorial(Session& session) {
  WindowService& service = session.service;
  if (!GettingStarted(session) || session.progress.trialRunning || ScreenCount(session) == 0 ||
      session.classOptions.HideTutorial()) {
    if (service.WindowExists(kWindow)) service.WindowRelease(kWindow);
    return;
  }
  TutorialState& state = State(session);
  state = TutorialState{};
  for (std::size_t i = 0; i < 2; ++i) {
    const std::int32_t classNumber = session.genetics.objectClass[kFirstParentObject + static_cast<std::int32_t>(i)];
    state.startingParents[i] = classNumber == 0 ? -1 : LocusSum(session, classNumber);
  }
  // The exercise's description is read first.
  const std::int32_t description = instructions::kDescriptionWindow;
  if (service.WindowExists(description) && service.WindowVisible(description)) {
    state.waiting = true;
    if (service.WindowExists(kWindow)) service.WindowRelease(kWindow);
    return;
  }
  ShowTutorialWindow(session);
}

void OpenWaitingTutorial(Session& session) {
  TutorialState& state = State(session);
  if (!state.waiting) return;
  state.waiting = false;
  ShowTutorialWindow(session);
}

bool TutorialEvent(Session& session, std::int32_t window, std::int32_t item) {
  if (window != kWindow) return false;
  TutorialState& state = State(session);
  if (item == kNext) {
    Next(session);
  } else if (item == kBack && state.screen > 1) {
    --state.screen;
    ShowScreen(session);
  } else if (item == kQuit) {
    // As the main window's button: the introduction counts as read.
    if (session.service.ItemVisible(main_window::kWindow, progression::kQuitInstructionsButton)) {
      session.service.PostEvent(main_window::kWindow, progression::kQuitInstructionsButton, 0);
    } else {
      session.service.WindowRelease(kWindow);
    }
  }
  return true;
}

const QuestionFamily kGettingStartedFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .explanation = Explanation,
};

}  // namespace crossmere
