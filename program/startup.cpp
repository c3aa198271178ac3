#include "program/startup.h"

#include <algorithm>

#include "genetics/pictures/class_picture.h"
#include "program/event_routine.h"
#include "program/saved_work_commands.h"
#include "program/student_entry.h"
#include "program/window_classes.h"
#include "records/class_setup.h"
#include "teacher/class_setup_run.h"
#include "teacher/class_setup_store.h"
#include "teacher/teacher_run.h"
#include "tutor/progression.h"
#include "workspace/exercise_start.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;

void CreateMainWindow(Session& session) {
  WindowService& service = session.service;
  service.SetWindowClasses(ProgramWindowClasses());
  service.WindowOpen(kWindow, 1);
  // One picture per genotype class: item 1 is the template of the others.
  service.ItemTemplate(kWindow, kClassPictureTemplate);
  for (std::int32_t item = kClassPictureTemplate + 1; item <= kLastClassPicture; ++item) {
    service.ItemClone();
    service.ItemSetNumber(item);
  }
  service.SetEventHandler([&session] { MainEventRoutine(session); });
}

void PlaceMainWindow(Session& session) {
  WindowService& service = session.service;
  const auto screen = service.Screen();
  session.startup.layout = LayoutForScreen(screen.width, screen.height);
  service.WindowPlace(kWindow, 0, 0);
  service.WindowResize(kWindow, session.startup.layout.height, session.startup.layout.width);
}

void AdjustMenus(Session& session) {
  WindowService& service = session.service;
  for (const std::int32_t hidden : {kBottlesMenu, kTraysMenu, kExercisesMenu,
                                    kExerciseAndAnswersMenu, kAnswersMenu, kAnswersMenuCopy,
                                    kEndTrialCommand}) {
    service.Menu(hidden, 0, 0, -2);
  }
  service.Menu(kAutoFillCommand, session.autoSettings.autoFill, static_cast<std::int32_t>(MenuAction::Check), 0);
  service.Menu(kAutoNameCommand, session.autoSettings.autoName, static_cast<std::int32_t>(MenuAction::Check), 0);
  // Saved work only where the class allows it.
  for (const std::int32_t command : {kOpenCommand, kSaveAsCommand}) {
    service.Menu(command, session.classOptions.AllowSaveToDisk() ? 1 : 0, static_cast<std::int32_t>(MenuAction::Enable), 0);
  }
  service.Registers().stringRegister = "Colour";
  service.Menu(kColourCommand, 0, static_cast<std::int32_t>(MenuAction::Caption), 0);
}

// Two organisms of random kinds and looks greet the student.
void DrawWelcomeOrganisms(Session& session) {
  WindowService& service = session.service;
  RandomGenerator random;
  random.RandomSeed(static_cast<std::int32_t>(session.Now()));
  std::array<bool, kPlant + 1> unavailable{};
  for (std::int32_t kind = kDinosaurDog; kind <= kPlant; ++kind) {
    unavailable[kind] = session.classOptions.Unavailable(kind);
  }
  // Neighbouring clock seeds start alike; the generator settles after a few draws.
  for (std::int32_t i = 0; i < 16; ++i) random.Random15();
  std::int32_t firstKind = 0;
  for (const std::int32_t box : {kWelcomeLeftOrganism, kWelcomeRightOrganism}) {
    std::array<bool, kPlant + 1> excluded = unavailable;
    // Two different organisms, where the class has more than one.
    if (firstKind != 0 && std::count(excluded.begin() + 1, excluded.end(), false) > 1) excluded[firstKind] = true;
    const PictureInput input = RandomOrganism(random, excluded, session.palette);
    firstKind = input.kind;
    const ServiceRect area = service.ItemRect(kWelcome, box);
    service.ItemSelect(kWelcome, box);
    service.SetLocalCoordinates(true);
    const ItemPainting painting = service.ItemDrawing();
    Drawing& drawing = *painting;
    drawing.ClearItem();
    // Centred: the drawing's origin moves to the free space's half.
    drawing.UseWindowCoordinates(-(area.right - area.left - input.width) / 2,
                                 -(area.bottom - area.top - input.height) / 2);
    DrawOrganism(drawing, input);
  }
}

// Returns the item that closed the window: the set-up button, or 0.
std::int32_t ShowWelcome(Session& session) {
  WindowService& service = session.service;
  service.WindowOpen(kWelcome, 0);
  CentreOnLayout(service, kWelcome, session.startup.layout);
  DrawWelcomeOrganisms(session);
  // Once a class is set up, only its password opens the set-up again; a
  // class's own list of exercises fixes the level.
  service.ItemShow(kWelcome, kWelcomeSetup, NoPasswordSet(session.strings));
  for (const std::int32_t level : {kWelcomeElementary, kWelcomeAdvanced}) {
    service.ItemShow(kWelcome, level, session.classOptions.WholeSet());
  }

  service.ItemSelect(kWelcome, kWelcomeAdvanced);
  service.ItemBind(session.startup.advancedLevel);
  service.Registers().itemHit = 0;
  service.WindowRunModal(kWelcome);
  const std::int32_t hit = service.Registers().itemHit;
  service.ItemRead(kWelcome, kWelcomeAdvanced);
  service.WindowRelease(kWelcome);
  return hit;
}

// The getting-started exercise shows each homolog in two of its first four offspring.
void DrawForcedHomologTable(Session& session) {
  RandomGenerator& random = session.random;
  random.RandomSeed(session.startup.fixedSeedMode ? 1234567 : static_cast<std::int32_t>(session.Now()));
  session.offspring.forcedHomologs = DrawForcedHomologs(random);
}

}  // namespace

void ProgramEntry(Session& session) {
  CreateMainWindow(session);
  session.progress.programStart = session.Now();
  session.service.StartupFolder();
  session.startup.fixedSeedMode = false;
  PlaceMainWindow(session);
  if (!session.classSetUpFile.empty() && !LoadClassSetUpFile(session)) {
    session.service.Quit();
    return;
  }
  session.classOptions = LoadClassOptions(session.strings);
  AdjustMenus(session);
  if (!session.classOptions.NoWelcomeScreen() && ShowWelcome(session) == kWelcomeSetup) {
    RunClassSetUp(session, SetUpMode::NewPassword);
    return;
  }
  LoadExercises(session);
  // A class's own list replaces the standard set.
  session.progress.setMode = session.exercises.nominated == 0;
  if (!session.progress.setMode) session.progress.exerciseCount = session.exercises.nominated;
  // Drawn before the student is known: work restored at entry keeps the
  // generator where it stood, and every example reseeds it anyway.
  DrawForcedHomologTable(session);
  const EntryOutcome entry = OfferRecovery(session) ? EntryOutcome::Restored : RunEntryDialog(session);
  if (entry == EntryOutcome::Cancelled) {
    session.service.Quit();
    return;
  }
  if (entry == EntryOutcome::Teacher) {
    TeacherMenu(session);
    return;
  }
  if (entry == EntryOutcome::Identified) PrecomputeStudentKinds(session);
  session.service.WindowShow(kWindow);
  if (entry == EntryOutcome::Identified) StartExercise(session);
}

}  // namespace crossmere
