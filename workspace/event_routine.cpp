#include "workspace/event_routine.h"

#include "workspace/colour_dialog.h"
#include "workspace/containers.h"
#include "workspace/instructions.h"
#include "workspace/main_window.h"
#include "workspace/screen_objects.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;

void ToggleCheck(Session& session, bool& setting, std::int32_t command) {
  setting = !setting;
  session.service.Menu(command, setting ? 1 : 0, static_cast<std::int32_t>(MenuAction::Check), 0);
}

}  // namespace

void MainEventRoutine(Session& session) {
  WindowService& service = session.service;
  service.CursorRelease();
  const std::int32_t window = service.Registers().eventWindow;
  const std::int32_t item = service.Registers().eventItem;

  if (CloseInstructionWindow(session, window, item)) return;
  if (window == kWindow && item >= kFirstParentObject && item < 700) {
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
  if (window > containers::kFirstViewWindow && window <= containers::kFirstViewWindow + kPlant &&
      item >= containers::kFirstShown) {
    TakeOutOfContainer(session, item);
    return;
  }
  if (IsContainerMenu(window) && item >= containers::kRename && item <= containers::kShut) {
    ContainerCommand(session, item);
    return;
  }
  if (window == kFileMenu && item == kColourCommand) {
    ShowColourDialog(session);
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
    service.Quit();
  }
}

}  // namespace crossmere
