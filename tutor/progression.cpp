#include "tutor/progression.h"

#include <algorithm>

#include "tutor/getting_started.h"
#include "tutor/marks_display.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/containers.h"
#include "workspace/exercise_start.h"
#include "workspace/genotype_display.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

// What the "Get Info" line has room for, so that the number always shows.
constexpr std::size_t kInfoNameCharacters = 38;

using namespace progression;
using main_window::kWindow;

// Entries of list 603, the texts of moving between exercises.
namespace text {
inline constexpr std::int32_t kOnlyOne = 1;
inline constexpr std::int32_t kNominate = 2;
inline constexpr std::int32_t kCompletedGoOn = 3;
inline constexpr std::int32_t kLastOne = 4;
inline constexpr std::int32_t kAttemptedCaption = 6;
inline constexpr std::int32_t kStartTrialCaption = 8;
inline constexpr std::int32_t kNewTrialCaption = 9;
}  // namespace text
constexpr std::int32_t kTexts = 603;

// Kinds of the confirmation dialog (list 422).
constexpr std::int32_t kUnansweredConfirm = 1;
constexpr std::int32_t kLeaveConfirm = 2;
constexpr std::int32_t kTrialConfirm = 3;

constexpr std::int32_t kSetChooser = 303;
constexpr std::int32_t kListChooser = 420;
constexpr std::int32_t kExerciseList = 419;
constexpr std::int32_t kInfoWindow = 779;
constexpr std::int32_t kOrganismChooser = 343;
constexpr std::int32_t kArrangementChooser = 546;
constexpr std::int32_t kKeepOrganism = 10;
constexpr std::int32_t kChooserMessage = 50;
constexpr std::int32_t kChooserRepeat = 30;
constexpr std::int32_t kChooserQuit = 31;
constexpr std::int32_t kChooserAnother = 32;
constexpr std::int32_t kChooseOrganism = 40;
constexpr std::int32_t kEditParameters = 41;
constexpr std::int32_t kNominatedSlots = 10;

constexpr std::int32_t kExerciseNumber = 1502;
constexpr std::int32_t kExerciseCount = 1504;
constexpr std::int32_t kCompletedLabel = 1511;
constexpr std::int32_t kMarksLabel = 1512;
constexpr std::int32_t kMarksValue = 1513;
constexpr std::int32_t kTimeLabel = 1514;
constexpr std::int32_t kTimeValue = 1515;
constexpr std::int32_t kTrialLabel = 2010;

constexpr std::int32_t kOffspringBeforeAsking = 10;
constexpr std::int32_t kGettingStarted = 23;

bool Single(const Session& session, std::int32_t ex) {
  return session.exercises.options[ex].SingleExample();
}

// The message that warns of leaving the current try, or 0 when nothing would be lost.
std::int32_t LeavingWarning(const Session& session) {
  if (!AllQuestionsDone(session)) return kUnansweredConfirm;
  if (session.questions.list.count == 0 && session.offspring.counters[0] > kOffspringBeforeAsking) {
    return kLeaveConfirm;
  }
  return 0;
}

bool MayLeave(Session& session) {
  const std::int32_t warning = LeavingWarning(session);
  return warning == 0 || Confirm(session, warning, false, false);
}

std::string ExerciseName(const Session& session, std::int32_t ex) {
  return ExerciseTitle(session.strings, session.exercises, ex);
}

bool OnlySingleExercise(const Session& session) {
  const ProgressState& progress = session.progress;
  return !progress.setMode && progress.exerciseCount == 1 && Single(session, 1);
}

void UpdateMenus(Session& session) {
  WindowService& service = session.service;
  const ProgressState& progress = session.progress;
  constexpr auto kEnable = static_cast<std::int32_t>(MenuAction::Enable);
  service.Menu(kChooseCommand, !progress.trialRunning && !OnlySingleExercise(session) ? 1 : 0, kEnable, 0);

  const bool noQuestions = progress.trialRunning ? session.classOptions.NoSelfTestTrials()
                                                 : session.classOptions.NoSelfTestExercises();
  service.Menu(main_window::kQuestionsMenu, 0, 0, noQuestions ? -2 : -1);
  service.Menu(main_window::kExercisesMenu, 0, 0, noQuestions ? -1 : -2);
  if (progress.setMode) {
    service.Registers().stringRegister = session.strings.ListString(kTexts, text::kAttemptedCaption);
    service.Menu(kListCommand, 0, static_cast<std::int32_t>(MenuAction::Caption), 0);
  }

  const ListFlags flags = ExerciseListFlags(session.exercises.options[progress.current]);
  service.Registers().stringRegister = session.strings.ListString(
      kTexts, progress.trialRunning ? text::kNewTrialCaption : text::kStartTrialCaption);
  service.Menu(kTrialCommand, 0, static_cast<std::int32_t>(MenuAction::Caption), 0);
  service.Menu(kTrialCommand, flags.t ? 1 : 0, kEnable, 0);
  service.Menu(kEndTrialCommand, 0, 0, progress.trialRunning ? -1 : -2);
  service.Menu(main_window::kGenotypesCommand, GenotypesCommandAllowed(session) ? 1 : 0, kEnable, 0);
}

void ShowProgressLabels(Session& session) {
  WindowService& service = session.service;
  const ProgressState& progress = session.progress;
  service.SetItemText(kWindow, kExerciseNumber, std::to_string(progress.current));
  service.SetItemText(kWindow, kExerciseCount, std::to_string(LastExercise(progress)));
  for (const std::int32_t item : {kCompletedLabel, kMarksLabel, kMarksValue, kTimeLabel, kTimeValue,
                                  kNextButton, kRepeatButton}) {
    service.ItemHide(kWindow, item);
  }
  const bool gettingStarted = session.questions.list.count >= 1 &&
                              session.questions.list.types[1] == kGettingStarted;
  // A negative item number hides the item.
  const bool quitInstructions = gettingStarted && !progress.trialRunning && progress.current < LastExercise(progress);
  service.ItemShow(kWindow, quitInstructions ? kQuitInstructionsButton : -kQuitInstructionsButton);
  service.ItemShow(kWindow, progress.trialRunning ? kTrialLabel : -kTrialLabel);
  const bool locked = session.exercises.options[progress.current].Locked();
  service.ItemShow(kWindow, locked ? main_window::kParentsLockedLabel : -main_window::kParentsLockedLabel);
}

// Leaves the current exercise for `next` (which may be the same one): the
// try so far counts, so that coming back shows a new example.
void MoveTo(Session& session, std::int32_t next) {
  ProgressState& progress = session.progress;
  ++progress.tryCount[progress.current];
  progress.previous = progress.current;
  progress.current = next;
  NoteAttempt(progress, next);
  StartExercise(session);
}

std::int32_t CheckedRadio(WindowService& service, std::int32_t window, std::int32_t count) {
  for (std::int32_t n = 1; n <= count; ++n) {
    service.ItemSelect(window, n);
    if (service.Registers().itemFound && service.GetControlValue() != 0) return n;
  }
  return 0;
}

// "Choose organism:": the kind for the next exercise started (or for every
// one, with the keep box), where the exercise lets the student choose.
void ChooseOrganism(Session& session) {
  WindowService& service = session.service;
  ProgressState& progress = session.progress;
  service.WindowOpen(kOrganismChooser, 0);
  CentreOnLayout(service, kOrganismChooser, session.startup.layout);
  for (std::int32_t kind = kDinosaurDog; kind <= kPlant; ++kind) {
    if (session.classOptions.Unavailable(kind)) service.ItemDisable(kOrganismChooser, kind);
  }
  service.SetItemValue(kOrganismChooser, progress.pickedKind != 0 ? progress.pickedKind : session.genetics.kind, 1);
  std::int32_t keep = progress.keepPickedKind ? 1 : 0;
  service.ItemSelect(kOrganismChooser, kKeepOrganism);
  service.ItemBind(keep);
  service.ItemWrite(kOrganismChooser, kKeepOrganism);
  service.WindowRunModal(kOrganismChooser);
  if (service.Registers().itemHit == 1000) {
    const std::int32_t kind = CheckedRadio(service, kOrganismChooser, kPlant);
    service.ItemRead(kOrganismChooser, kKeepOrganism);
    if (kind != 0) progress.pickedKind = kind;
    progress.keepPickedKind = keep != 0;
  }
  service.WindowRelease(kOrganismChooser);
}

void ChooseFromSet(Session& session) {
  WindowService& service = session.service;
  ProgressState& progress = session.progress;
  std::int32_t selected = progress.current;
  std::int32_t hit = kChooseOrganism;
  while (hit == kChooseOrganism) {
    service.WindowOpen(kSetChooser, 0);
    CentreOnLayout(service, kSetChooser, session.startup.layout);
    for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
      service.SetItemText(kSetChooser, ex, " (" + std::to_string(ex) + ") " + ExerciseName(session, ex));
    }
    service.SetItemValue(kSetChooser, selected, 1);
    if (session.classOptions.NoOrganismChoice()) service.ItemHide(kSetChooser, kChooseOrganism);
    // An exercise's parameters are changed in the class set-up.
    service.ItemHide(kSetChooser, kEditParameters);
    service.WindowRunModal(kSetChooser);
    hit = service.Registers().itemHit;
    selected = CheckedRadio(service, kSetChooser, kExercisesPerSet);
    service.WindowRelease(kSetChooser);
    if (hit == kChooseOrganism) ChooseOrganism(session);
  }
  if (hit == 1000 && selected != 0 && MayLeave(session)) MoveTo(session, selected);
}

// The chooser of a nominated list; after a finished try it offers the next exercise.
void ChooseFromList(Session& session) {
  WindowService& service = session.service;
  ProgressState& progress = session.progress;
  const bool finished = progress.tryFinished;
  const bool last = progress.current >= progress.exerciseCount;
  service.WindowOpen(kListChooser, 0);
  CentreOnLayout(service, kListChooser, session.startup.layout);
  std::int32_t message = text::kNominate;
  if (finished) {
    message = last ? text::kLastOne : text::kCompletedGoOn;
  }
  const std::int32_t warning = finished ? 0 : LeavingWarning(session);
  service.SetItemText(kListChooser, kChooserMessage,
                      warning != 0 ? session.strings.ListString(422, warning)
                                   : session.strings.ListString(kTexts, message));
  for (std::int32_t n = 1; n <= kNominatedSlots; ++n) {
    if (n > progress.exerciseCount) {
      service.ItemHide(kListChooser, n);
      continue;
    }
    service.SetItemText(kListChooser, n, " " + std::to_string(n) + ".  " + ExerciseName(session, n));
    if (Single(session, n)) service.ItemDisable(kListChooser, n);
  }
  service.SetItemValue(kListChooser, finished && !last ? progress.current + 1 : progress.current, 1);
  if (!(finished && last)) {
    service.ItemHide(kListChooser, kChooserQuit);
    service.ItemHide(kListChooser, kChooserAnother);
  }
  service.WindowRunModal(kListChooser);
  const std::int32_t hit = service.Registers().itemHit;
  const std::int32_t chosen = CheckedRadio(service, kListChooser, progress.exerciseCount);
  service.WindowRelease(kListChooser);

  if (hit == kChooserQuit) {
    service.Quit();
  } else if (hit == kChooserRepeat) {
    if (!Single(session, progress.current)) MoveTo(session, progress.current);
  } else if ((hit == 1000 || hit == kChooserAnother) && chosen != 0) {
    if (chosen == progress.current && Single(session, chosen)) return;
    MoveTo(session, chosen);
  }
}

void RestartOnlyExercise(Session& session) {
  if (Single(session, 1)) {
    session.service.Alert(op::kWarningBox, session.strings.ListString(kTexts, text::kOnlyOne));
    return;
  }
  if (MayLeave(session)) MoveTo(session, 1);
}

void MoveRow(WindowService& service, std::int32_t item, std::int32_t top) {
  const ServiceRect place = service.ItemRect(kExerciseList, item);
  service.ItemPlace(kExerciseList, item, top, place.left);
}

}  // namespace

void StartExercise(Session& session) {
  ProgressState& progress = session.progress;
  ClearQuestions(session);
  progress.exerciseStart = session.Now();
  SetUpExercise(session);
  if (!progress.keepPickedKind) progress.pickedKind = 0;
  BeginTry(session);
}

void BeginTry(Session& session) {
  ProgressState& progress = session.progress;
  const std::int32_t ex = progress.current;
  progress.marksThisTry[ex] = 0;
  progress.tryFinished = false;
  for (std::int32_t q = 1; q <= session.questions.list.count; ++q) {
    session.questionState.records[q].maximum = session.questions.maximum[q];
  }
  progress.marksAvailable[ex] = session.questions.available;
  RebuildQuestionsMenu(session);
  UpdateMenus(session);
  ShowProgressLabels(session);
  OpenTutorial(session);
}

void FinishTry(Session& session) {
  WindowService& service = session.service;
  ProgressState& progress = session.progress;
  const std::int32_t ex = progress.current;
  if (progress.tryFinished) return;
  progress.tryFinished = true;
  ++progress.tryCount[ex];
  service.ItemShow(kWindow, kCompletedLabel);

  // A question may have been made worth more by failed attempts.
  std::int32_t available = 0;
  for (std::int32_t q = 1; q <= session.questions.list.count; ++q) {
    available += session.questionState.records[q].maximum;
  }
  progress.marksAvailable[ex] = available;
  if (!session.classOptions.NoMarks() && !progress.trialRunning) {
    AddFinishedTry(progress, ex);
    service.ItemShow(kWindow, kMarksLabel);
    ShowMarks(session, progress.marksThisTry[ex], available, kWindow, kMarksValue);
    service.ItemShow(kWindow, kMarksValue);
  }
  if (!session.classOptions.NoTiming()) {
    service.ItemShow(kWindow, kTimeLabel);
    ShowElapsed(session, progress.exerciseStart, kWindow, kTimeValue);
    service.ItemShow(kWindow, kTimeValue);
  }
  progress.completed[ex] = true;
  if (!progress.trialRunning) {
    if (ex < LastExercise(progress)) service.ItemShow(kWindow, kNextButton);
    if (!session.classOptions.NoRepeatButton()) service.ItemShow(kWindow, kRepeatButton);
  }
}

void AfterMarking(Session& session, MarkOutcome outcome) {
  if (outcome == MarkOutcome::LastQuestionMarked) FinishTry(session);
}

void ChooseExercise(Session& session) {
  const ProgressState& progress = session.progress;
  if (progress.trialRunning) return;
  if (progress.setMode) {
    ChooseFromSet(session);
  } else if (progress.exerciseCount == 1) {
    RestartOnlyExercise(session);
  } else {
    ChooseFromList(session);
  }
}

void NextOrRepeat(Session& session, std::int32_t button) {
  ProgressState& progress = session.progress;
  if (button == kQuitInstructionsButton) {
    // The introduction has been read: it counts as done.
    progress.completed[progress.current] = true;
    if (!progress.tryFinished) ++progress.tryCount[progress.current];
  }
  progress.previous = progress.current;
  if (progress.pending != 0) {
    progress.current = progress.pending;
    progress.pending = 0;
  } else if (button != kRepeatButton && progress.current < LastExercise(progress)) {
    ++progress.current;
  }
  NoteAttempt(progress, progress.current);
  StartExercise(session);
}

void ShowExerciseList(Session& session) {
  WindowService& service = session.service;
  const ProgressState& progress = session.progress;
  service.CursorSet(kWaitCursor);
  service.WindowOpen(kExerciseList, 0);
  const bool marks = !session.classOptions.NoMarks();
  const std::int32_t rows = progress.exerciseCount;
  const std::int32_t spacing = ExerciseListRowSpacing(rows);
  const std::int32_t firstTop = service.ItemRect(kExerciseList, 101).top;
  for (std::int32_t column = 6; column <= 8 && !marks; ++column) service.ItemHide(kExerciseList, 100 * column);
  for (std::int32_t k = 1; k <= kExercisesPerSet; ++k) {
    if (k > rows) {
      for (std::int32_t column = 1; column <= 8; ++column) service.ItemHide(kExerciseList, 100 * column + k);
      continue;
    }
    const std::int32_t ex = progress.setMode ? progress.attempted[k] : k;
    const ListFlags flags = ExerciseListFlags(session.exercises.options[ex]);
    const std::string cells[8] = {
        std::to_string(ex),
        ExerciseName(session, ex),
        flags.g ? (flags.gPartial ? "G-" : "G") : "",
        flags.t ? "T" : "",
        flags.m ? "M" : "",
        marks ? std::to_string(progress.marksAvailable[ex] != 0
                                   ? progress.marksAvailable[ex]
                                   : PrepareQuestions(session.exercises, ex, 0, 1, 0, nullptr).available)
              : "",
        marks && progress.completed[ex] ? std::to_string(progress.marksObtained[ex]) : "",
        marks && progress.completed[ex] ? std::to_string(progress.marksPossible[ex]) : ""};
    const std::int32_t top = firstTop + (k - 1) * spacing;
    for (std::int32_t column = 1; column <= 8; ++column) {
      service.SetItemText(kExerciseList, 100 * column + k, cells[column - 1]);
      MoveRow(service, 100 * column + k, top);
    }
  }
  const ServiceRect ok = service.ItemRect(kExerciseList, 1000);
  const std::int32_t okTop = firstTop + rows * spacing + 16;
  service.ItemPlace(kExerciseList, 1000, okTop, ok.left);
  service.ItemHide(kExerciseList, 900);
  service.WindowBounds(kExerciseList);
  const auto bounds = service.Registers().windowRect;
  service.WindowResize(kExerciseList, okTop + (ok.bottom - ok.top) + 16, bounds.right - bounds.left);
  CentreOnLayout(service, kExerciseList, session.startup.layout);
  service.CursorRelease();
  service.WindowRunModal(kExerciseList);
  service.WindowRelease(kExerciseList);
}

// A trial of a three-locus exercise lays the loci out as the student
// chooses; 0 when the choice is cancelled.
std::int32_t ChooseArrangement(Session& session) {
  constexpr std::int32_t kArrangements = 7;
  WindowService& service = session.service;
  service.WindowOpen(kArrangementChooser, 0);
  CentreOnLayout(service, kArrangementChooser, session.startup.layout);
  const std::int32_t current = session.example.chooseType;
  service.SetItemValue(kArrangementChooser, current >= 1 && current <= kArrangements ? current : 1, 1);
  service.WindowRunModal(kArrangementChooser);
  const std::int32_t chosen =
      service.Registers().itemHit == 1000 ? CheckedRadio(service, kArrangementChooser, kArrangements) : 0;
  service.WindowRelease(kArrangementChooser);
  return chosen;
}

void StartTrial(Session& session) {
  if (session.offspring.counters[0] > kOffspringBeforeAsking &&
      !Confirm(session, kTrialConfirm, false, false)) {
    return;
  }
  std::int32_t arrangement = 0;
  if (session.genetics.lociCount == 3) {
    arrangement = ChooseArrangement(session);
    if (arrangement == 0) return;
  }
  StartArrangedTrial(session, arrangement);
}

void StartArrangedTrial(Session& session, std::int32_t arrangement) {
  ProgressState& progress = session.progress;
  const std::int32_t ex = progress.current;
  progress.trialArrangement = arrangement;
  if (!progress.trialRunning) {
    progress.savedTryCount = progress.tryCount[ex];
    progress.savedUsedCharacters = progress.usedBeforeTry;
    progress.trialRunning = true;
  }
  ++progress.tryCount[ex];
  StartExercise(session);
}

void EndTrial(Session& session) {
  ProgressState& progress = session.progress;
  if (!progress.trialRunning) return;
  const std::int32_t ex = progress.current;
  progress.trialRunning = false;
  progress.trialArrangement = 0;
  progress.tryCount[ex] = progress.savedTryCount;
  session.example.usedCharacters[ex] = progress.savedUsedCharacters;
  StartExercise(session);
}

void ShowInfo(Session& session) {
  WindowService& service = session.service;
  const ProgressState& progress = session.progress;
  const std::int32_t ex = progress.current;
  service.WindowOpen(kInfoWindow, 0);
  CentreOnLayout(service, kInfoWindow, session.startup.layout);
  const StudentIdentity& identity = session.identity;
  service.SetItemText(kInfoWindow, 5, IdentityLine(identity, kInfoNameCharacters));
  ShowMarks(session, progress.marksThisTry[ex], progress.marksAvailable[ex], kInfoWindow, 12);
  ShowMarks(session, progress.totalObtained, progress.totalPossible, kInfoWindow, 14);
  ShowElapsed(session, progress.exerciseStart, kInfoWindow, 16);
  ShowElapsed(session, progress.programStart, kInfoWindow, 18);
  for (const std::int32_t item : {11, 12, 13, 14}) {
    if (session.classOptions.NoMarks()) service.ItemHide(kInfoWindow, item);
  }
  for (const std::int32_t item : {15, 16, 17, 18}) {
    if (session.classOptions.NoTiming()) service.ItemHide(kInfoWindow, item);
  }
  service.WindowRunModal(kInfoWindow);
  service.WindowRelease(kInfoWindow);
}

bool ProgressionEvent(Session& session, std::int32_t window, std::int32_t item) {
  const bool exercisesMenu = window == main_window::kQuestionsMenu || window == main_window::kExercisesMenu;
  if (window == kWindow && (item == kNextButton || item == kRepeatButton || item == kQuitInstructionsButton)) {
    NextOrRepeat(session, item);
  } else if (exercisesMenu && item == kChooseCommand) {
    ChooseExercise(session);
  } else if (exercisesMenu && item == kListCommand) {
    ShowExerciseList(session);
  } else if (window == main_window::kFileMenu && item == kInfoCommand) {
    ShowInfo(session);
  } else if (window == main_window::kTrialMenu && item == kTrialCommand) {
    StartTrial(session);
  } else if (window == main_window::kTrialMenu && item == kEndTrialCommand) {
    EndTrial(session);
  } else {
    return false;
  }
  return true;
}

}  // namespace crossmere
