#include "program/event_routine.h"

#include "program/saved_work_commands.h"
#include "teacher/teacher_run.h"
#include "tutor/chi_square_calculator.h"
#include "tutor/getting_started.h"
#include "tutor/progression.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/colour_dialog.h"
#include "workspace/container_view.h"
#include "workspace/containers.h"
#include "workspace/genotype_display.h"
#include "workspace/instructions.h"
#include "workspace/keyboard_moves.h"
#include "workspace/main_window.h"
#include "workspace/phenotype_key.h"
#include "workspace/screen_objects.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;

bool IsMenu(std::int32_t window) {
  return window == kFileMenu || window == kAutoMenu || IsContainerMenu(window) || window == kExercisesMenu ||
         window == kExerciseAndAnswersMenu || window == kQuestionsMenu || window == kTrialMenu ||
         window == kInstructionsMenu || window == kAnswersMenu || window == kAnswersMenuCopy;
}

void ToggleCheck(Session& session, bool& setting, std::int32_t command) {
  setting = !setting;
  session.service.Menu(command, setting ? 1 : 0, static_cast<std::int32_t>(MenuAction::Check), 0);
}

// Runs whatever owns the event.
void RouteEvent(Session& session) {
  WindowService& service = session.service;
  service.CursorRelease();
  const std::int32_t window = service.Registers().eventWindow;
  const std::int32_t item = service.Registers().eventItem;

  if (const auto outcome = QuestionWindowEvent(session, window, item)) {
    AfterMarking(session, *outcome);
    return;
  }
  if (CloseInstructionWindow(session, window, item)) {
    OpenWaitingTutorial(session);
    return;
  }
  if (ChiSquareCalculatorEvent(session, window, item)) return;
  if (TutorialEvent(session, window, item)) return;
  const bool onWorkspace = window == kWindow && (item == 0 || (item >= kFirstParentObject && item <= kLastObject) ||
                                                 item == screen::kBin ||
                                                 (item >= containers::kFirst && item <= containers::kLast));
  const bool inView = window > containers::kFirstViewWindow && window <= containers::kFirstViewWindow + kPlant;
  // The view's own "Shut" (its close box and Escape press it too).
  if (inView && item == containers::kShut) {
    ContainerCommand(session, containers::kShut);
    return;
  }
  if ((onWorkspace || inView) && QuestionWorkspaceClick(session, window, item)) return;
  if (service.Registers().fromKeyboard && (onWorkspace || inView)) {
    ActivateFromKeyboard(session, window, item);
    return;
  }
  // Any menu command hides the question showing before it does anything else.
  if (IsMenu(window)) HideQuestion(session);
  if (window == kWindow && item >= kFirstParentObject && item <= kLastObject) {
    DragIndividual(session);
    return;
  }
  if (window == kWindow && item == screen::kBin) {
    DragBin(session);
    return;
  }
  if (window == kWindow && item >= containers::kFirst && item <= containers::kLast) {
    DragContainer(session, item, service.Registers().clickCount == 2);
    return;
  }
  if (inView && item >= containers::kFirstShown) {
    TakeOutOfContainer(session, item);
    return;
  }
  if (IsContainerMenu(window) && item >= containers::kRename && item <= containers::kShut) {
    ContainerCommand(session, item);
    return;
  }
  if (ProgressionEvent(session, window, item)) return;
  if (AnswersEvent(session, window, item)) return;
  if (window == kQuestionsMenu && item == question_window::kRulesCommand) {
    ShowRules(session);
    return;
  }
  if (window == kQuestionsMenu && item >= question_window::kFirstQuestionCommand &&
      item < question_window::kFirstQuestionCommand + kMaxQuestions) {
    SelectQuestion(session, item - question_window::kFirstQuestionCommand + 1);
    return;
  }
  if (window == kFileMenu && item == kSaveAsCommand) {
    SaveWork(session);
    return;
  }
  if (window == kFileMenu && item == kOpenCommand) {
    OpenWork(session);
    return;
  }
  if (window == kFileMenu && item == kGenotypesCommand) {
    GenotypesCommand(session);
    return;
  }
  if (window == kFileMenu && item == kPhenotypesCommand) {
    ShowPhenotypeKey(session);
    return;
  }
  if (phenotype_key::IsKeyWindow(window) && item == phenotype_key::kClose) {
    ClosePhenotypeKey(session);
    return;
  }
  if (window == kFileMenu && item == kColourCommand) {
    ShowColourDialog(session);
    return;
  }
  if (window == kFileMenu && item == kMoveToCommand) {
    MoveFocusedIndividual(session);
    return;
  }
  if (window == kFileMenu && item == kClearScreenCommand) {
    ContainerCommand(session, containers::kClearAll);
    return;
  }
  if (window == kAutoMenu && item == kAutoFillCommand) {
    ToggleCheck(session, session.autoSettings.autoFill, kAutoFillCommand);
  } else if (window == kAutoMenu && item == kAutoNameCommand) {
    ToggleCheck(session, session.autoSettings.autoName, kAutoNameCommand);
  } else if (item == instructions::kDescriptionCommand &&
             (window == kQuestionsMenu || window == kExercisesMenu || window == kExerciseAndAnswersMenu)) {
    ShowExerciseDescription(session);
  } else if (window == kInstructionsMenu) {
    ShowHelpPage(session, item);
  } else if (window == kFileMenu && item == kExitCommand) {
    DropRecoveryCopy();
    service.Quit();
  }
}

}  // namespace

void MainEventRoutine(Session& session) {
  ++session.eventsUnderWay;
  RouteEvent(session);
  --session.eventsUnderWay;
  // A copy is kept between events only, never halfway through one that
  // pumps others (a pause before an offspring shows, a drag).
  // A teacher's run is nobody's work: it keeps no copy to be offered to a student.
  if (session.eventsUnderWay == 0 && !session.service.QuitRequested() && !session.teacher.teacherRun) {
    KeepRecoveryCopyWhenDue(session);
  }
}

}  // namespace crossmere
