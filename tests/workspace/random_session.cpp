// Drives the running program with a seeded random sequence of what a student
// can do (drags between every kind of place, container commands, auto fill,
// exercise changes, questions, trials) and checks the workspace's invariants
// after every action. A failing run is replayed with ever fewer actions and
// the shortest list that still fails is printed.
//
//   crossmere_random_session [--seed N] [--actions N]
//
// CROSSMERE_RANDOM_SEED and CROSSMERE_RANDOM_ACTIONS stand in for the options.

#include <QApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "genetics/genotype_classes.h"
#include "program/startup.h"
#include "tutor/getting_started.h"
#include "tutor/progression.h"
#include "tutor/question_window.h"
#include "workspace/containers.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/phenotype_key.h"
#include "workspace/screen_objects.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;

enum class Kind : std::uint32_t {
  DragIndividual,
  DragContainer,
  DragBin,
  ContainerCommand,
  TakeOut,
  ShutView,
  MenuCommand,
  Button,
  Question,
  Background,
  Count,
};

constexpr const char* kKindNames[] = {"drag individual", "drag container", "drag bin", "container command",
                                      "take out",        "shut view",      "menu",     "button",
                                      "question",        "click background"};

// One user action. Its numbers are read against the workspace as it is when
// the action runs (the a-th individual shown, the b-th kind of target), so
// that any sub-list of a run is a run too.
struct Action {
  Kind kind = Kind::Background;
  std::uint32_t a = 0;
  std::uint32_t b = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::uint32_t answers = 0;  // seeds the answers to any dialog the action opens
};

static_assert(std::size(kKindNames) == static_cast<std::size_t>(Kind::Count));

std::string Describe(const Action& action) {
  return std::string(kKindNames[static_cast<std::uint32_t>(action.kind)]) + " a=" + std::to_string(action.a) +
         " b=" + std::to_string(action.b) + " at (" + std::to_string(action.x) + ", " + std::to_string(action.y) +
         ") answers=" + std::to_string(action.answers);
}

std::vector<Action> RandomActions(std::uint32_t seed, std::size_t count) {
  std::mt19937 random(seed);
  // Drags are what a student does most; exercise changes are rarer.
  const std::vector<std::pair<Kind, std::uint32_t>> weights = {
      {Kind::DragIndividual, 40}, {Kind::DragContainer, 10}, {Kind::DragBin, 2}, {Kind::ContainerCommand, 10},
      {Kind::TakeOut, 8},         {Kind::ShutView, 3},       {Kind::MenuCommand, 8}, {Kind::Button, 2},
      {Kind::Question, 6},        {Kind::Background, 2},
  };
  std::uint32_t total = 0;
  for (const auto& weight : weights) total += weight.second;
  std::vector<Action> actions(count);
  for (Action& action : actions) {
    std::uint32_t pick = random() % total;
    for (const auto& [kind, weight] : weights) {
      if (pick < weight) {
        action.kind = kind;
        break;
      }
      pick -= weight;
    }
    action.a = random();
    action.b = random();
    action.x = static_cast<std::int32_t>(random() % 800);
    action.y = static_cast<std::int32_t>(random() % 600);
    action.answers = random();
  }
  return actions;
}

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

std::string Text(const ServiceRect& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ")";
}

Point Centre(const ServiceRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// One run of the program from its start, as a student named by the seed.
class Run {
 public:
  explicit Run(std::uint32_t seed) : session_(std::make_unique<Session>()) {
    Session& session = *session_;
    WindowService& service = session.service;
    session.clock = [this] { return ticks_ += 7; };
    service.SetScripted(true);
    service.SetFaultHandler([this](const std::string& fault) { faults_.push_back(fault); });
    service.SetStandingAnswer([this](ScriptedDialog& dialog) { Answer(dialog); });
    service.PretendScreen({1024, 768});
    const bool advanced = seed % 2 == 1;
    service.AnswerNextDialog([advanced](ScriptedDialog& d) {
      if (advanced) d.SetChecked(kWelcomeAdvanced, true);
      d.ClickBackground();
    });
    const std::string name = "Student " + std::to_string(seed % 997);
    service.AnswerNextDialog([name](ScriptedDialog& d) {
      d.SetText(11, name);
      d.Click(1000);
    });
    ProgramEntry(session);
  }

  // Runs one action; what went wrong, if anything.
  std::optional<std::string> Do(const Action& action) {
    answers_.seed(action.answers);
    switch (action.kind) {
      case Kind::DragIndividual: DragIndividual(action); break;
      case Kind::DragContainer: DragContainer(action); break;
      case Kind::DragBin: DragItem(screen::kBin, Target(action)); break;
      case Kind::ContainerCommand: ContainerMenuCommand(action); break;
      case Kind::TakeOut: TakeOut(action); break;
      case Kind::ShutView: ShutView(); break;
      case Kind::MenuCommand: MenuCommand(action); break;
      case Kind::Button: Button(action); break;
      case Kind::Question: Question(action); break;
      default: Service().PressBackground(kWindow, action.x, action.y); break;
    }
    // Pictures destroyed during the action go now, as the event loop would let them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!faults_.empty()) return "service fault: " + faults_.front();
    Tally();
    return BrokenInvariant();
  }

  // How much of the program the run reached, for its report.
  std::string Reach() const {
    return std::to_string(exercisesSeen_.size()) + " exercises, " + std::to_string(offspringSeen_) +
           " offspring, up to " + std::to_string(mostContainers_) + " containers in use, " +
           std::to_string(containersOpened_) + " containers looked into";
  }

 private:
  WindowService& Service() { return session_->service; }
  const GeneticsState& Genetics() const { return session_->genetics; }

  // A dialog nobody foresaw: mostly OK, sometimes Escape, sometimes a
  // control first.
  void Answer(ScriptedDialog& dialog) {
    // A dialog that asks again until it likes the answer meets Escape soon enough.
    switch (answers_() % 4) {
      case 0: dialog.Escape(); break;
      case 1: dialog.Click(static_cast<std::int32_t>(1 + answers_() % 20)); [[fallthrough]];
      default: dialog.Click(1000); break;
    }
  }

  void Tally() {
    const Session& session = *session_;
    exercisesSeen_.insert(session.progress.current + 100 * session.startup.advancedLevel);
    offspringSeen_ += session.offspring.pending != lastPending_ && session.offspring.pending != 0 ? 1 : 0;
    lastPending_ = session.offspring.pending;
    mostContainers_ = std::max(mostContainers_, session.containers.inUse);
    containersOpened_ += session.containers.open != 0 && session.containers.open != lastOpen_ ? 1 : 0;
    lastOpen_ = session.containers.open;
  }

  std::vector<std::int32_t> ShownIndividuals() {
    std::vector<std::int32_t> shown;
    for (std::int32_t object = kFirstParentObject; object <= kLastObject; ++object) {
      if (Genetics().objectClass[object] != 0 && Service().ItemExists(kWindow, object) &&
          Service().ItemVisible(kWindow, object)) {
        shown.push_back(object);
      }
    }
    return shown;
  }

  std::vector<std::int32_t> ContainersInUse() {
    std::vector<std::int32_t> inUse;
    for (std::int32_t c = containers::kFirst; c <= containers::kLast; ++c) {
      if (session_->containers.Record(c).count >= 0 && Service().ItemExists(kWindow, c)) inUse.push_back(c);
    }
    return inUse;
  }

  // Where a drag ends: a point of the layout, a container, the bin, a parent
  // place, the spare pile or the offspring box.
  Point Target(const Action& action) {
    WindowService& service = Service();
    switch (action.b % 7) {
      case 1: {
        const std::vector<std::int32_t> inUse = ContainersInUse();
        if (!inUse.empty()) return Centre(service.ItemRect(kWindow, inUse[action.a / 7 % inUse.size()]));
        break;
      }
      case 2: return Centre(service.ItemRect(kWindow, screen::kBin));
      case 3: return Centre(service.ItemRect(kWindow, kFirstParentObject));
      case 4: return Centre(service.ItemRect(kWindow, kSecondParentObject));
      case 5:
        for (const std::int32_t pile : {containers::kSpareCages, containers::kSpareOthers}) {
          if (service.ItemExists(kWindow, pile)) return Centre(service.ItemRect(kWindow, pile));
        }
        break;
      case 6: return Centre(service.ItemRect(kWindow, individuals::kOffspringWell));
      default: break;
    }
    return {action.x, action.y};
  }

  void DragItem(std::int32_t item, Point to, bool doubleClick = false) {
    WindowService& service = Service();
    const Point from = Centre(service.ItemRect(kWindow, item));
    service.QueuePointerPath({{{from.x, from.y}, {to.x, to.y}}});
    service.PressPicture(kWindow, item, doubleClick);
  }

  // The waiting offspring half the time: it is how a cross goes on.
  void DragIndividual(const Action& action) {
    const std::int32_t pending = session_->offspring.pending;
    if (pending != 0 && action.a % 2 == 0 && Service().ItemVisible(kWindow, pending)) {
      DragItem(pending, Target(action));
      return;
    }
    const std::vector<std::int32_t> shown = ShownIndividuals();
    if (shown.empty()) return;
    DragItem(shown[action.a / 2 % shown.size()], Target(action));
  }

  // A container in use, or the one on top of the spare pile.
  void DragContainer(const Action& action) {
    std::vector<std::int32_t> inUse = ContainersInUse();
    for (std::int32_t c = containers::kFirst + 1; c <= containers::kLast; ++c) {
      if (session_->containers.Record(c).count < 0 && Service().ItemExists(kWindow, c) && Service().ItemVisible(kWindow, c)) {
        inUse.push_back(c);
      }
    }
    if (inUse.empty()) return;
    const std::int32_t container = inUse[action.a % inUse.size()];
    if (action.b % 5 == 0) {
      DragItem(container, Centre(Service().ItemRect(kWindow, container)), true);  // opens it
    } else {
      DragItem(container, Target(action));
    }
  }

  void ContainerMenuCommand(const Action& action) {
    const std::vector<std::int32_t> inUse = ContainersInUse();
    if (!inUse.empty() && session_->containers.open == 0 && action.b % 2 == 0) {
      const std::int32_t container = inUse[action.a % inUse.size()];
      DragItem(container, Centre(Service().ItemRect(kWindow, container)));  // selects it
    }
    const auto command = static_cast<std::int32_t>(containers::kRename + action.a / 5 % 8);
    for (const std::int32_t menu : {kCagesMenu, kBottlesMenu, kTraysMenu}) {
      if (Service().ChooseMenuCommand(menu, command)) return;
    }
  }

  std::int32_t View() const { return containers::kFirstViewWindow + Genetics().kind; }

  void TakeOut(const Action& action) {
    WindowService& service = Service();
    if (session_->containers.open == 0 || !service.WindowExists(View())) return;
    std::vector<std::int32_t> shown;
    for (std::int32_t item = containers::kFirstShown; item < containers::kFirstShown + containers::kCapacity; ++item) {
      if (service.ItemExists(View(), item) && service.ItemVisible(View(), item)) shown.push_back(item);
    }
    if (shown.empty()) return;
    const std::int32_t item = shown[action.a % shown.size()];
    const Point to = Target(action);
    const ServiceRect target = service.MapRect(kWindow, {to.y, to.x, to.y + 1, to.x + 1}, View());
    const Point from = Centre(service.ItemRect(View(), item));
    service.QueuePointerPath({{{from.x, from.y}, {target.left, target.top}}});
    service.PostEvent(View(), item, 0);
  }

  void ShutView() {
    if (session_->containers.open != 0 && Service().WindowExists(View())) {
      Service().PostEvent(View(), containers::kShut, 0);
    }
  }

  void MenuCommand(const Action& action) {
    WindowService& service = Service();
    struct Command {
      std::int32_t menu;
      std::int32_t command;
    };
    constexpr Command kCommands[] = {
        {kAutoMenu, kAutoFillCommand},          {kAutoMenu, kAutoFillCommand},
        {kAutoMenu, kAutoNameCommand},          {kFileMenu, kClearScreenCommand},
        {kFileMenu, kGenotypesCommand},         {kFileMenu, kPhenotypesCommand},
        {kFileMenu, kColourCommand},            {kExercisesMenu, progression::kChooseCommand},
        {kQuestionsMenu, progression::kChooseCommand}, {kTrialMenu, progression::kTrialCommand},
        {kTrialMenu, progression::kEndTrialCommand},   {kExercisesMenu, progression::kTrialCommand},
    };
    const Command& chosen = kCommands[action.a % std::size(kCommands)];
    service.ChooseMenuCommand(chosen.menu, chosen.command);
    const std::int32_t key = phenotype_key::WindowOf(Genetics().kind);
    if (action.b % 2 == 0 && service.WindowExists(key)) service.PostEvent(key, phenotype_key::kClose, 0);
  }

  void Button(const Action& action) {
    constexpr std::int32_t kButtons[] = {progression::kNextButton, progression::kRepeatButton,
                                         progression::kQuitInstructionsButton};
    const std::int32_t button = kButtons[action.a % std::size(kButtons)];
    if (Service().ItemExists(kWindow, button) && Service().ItemVisible(kWindow, button)) {
      Service().PostEvent(kWindow, button, 0);
    }
    // The getting-started instructions: mostly on, sometimes back, rarely quit.
    constexpr std::int32_t kTutorialButtons[] = {getting_started::kNext, getting_started::kNext, getting_started::kNext,
                                                 getting_started::kBack, getting_started::kQuit};
    const std::int32_t tutorial = kTutorialButtons[action.b % std::size(kTutorialButtons)];
    if (Service().WindowExists(getting_started::kWindow) && Service().WindowVisible(getting_started::kWindow)) {
      Service().PostEvent(getting_started::kWindow, tutorial, 0);
    }
  }

  void Question(const Action& action) {
    WindowService& service = Service();
    const std::int32_t count = session_->questions.list.count;
    if (count == 0) return;
    const std::int32_t q = static_cast<std::int32_t>(action.a % count) + 1;
    for (const std::int32_t menu : {kQuestionsMenu, kExercisesMenu}) {
      if (service.ChooseMenuCommand(menu, question_window::kFirstQuestionCommand + q - 1)) break;
    }
    const std::int32_t window = QuestionWindowOf(session_->questions.list.types[q]);
    if (!service.WindowExists(window) || !service.WindowVisible(window)) return;
    FillGeneSlots(window, action);
    FillTable(window, action);
    switch (action.b % 4) {
      case 0: {  // an individual as the answer
        const std::vector<std::int32_t> shown = ShownIndividuals();
        if (!shown.empty()) service.PressPicture(kWindow, shown[action.b / 4 % shown.size()]);
        break;
      }
      case 1: {  // one of the window's own controls: Yes/No, a choice, "Add to list", "Show ratios"
        std::vector<std::int32_t> answers;
        for (const std::int32_t item : {30, 31, 40, 41, 42, 43, 44, 45, 46, 47, 61, 62, 311, 312, 377, 378, 951, 952, 980}) {
          if (service.ItemExists(window, item) && service.ItemVisible(window, item)) answers.push_back(item);
        }
        if (!answers.empty()) {
          const std::int32_t item = answers[action.a / 2 % answers.size()];
          service.ItemSelect(window, item);
          service.SetControlValue(1);
          service.PostEvent(window, item, 0);
        }
        [[fallthrough]];
      }
      case 2:
        if (service.ItemExists(window, question_window::kMark) && service.ItemVisible(window, question_window::kMark)) {
          service.PostEvent(window, question_window::kMark, 0);
        }
        break;
      default: service.PostEvent(window, question_window::kHide, 0); break;
    }
  }

  // Tables get entries chosen from their pull-downs and numbers typed
  // wherever their boxes are open to the student: the observed-and-expected
  // table with its chi-square, the expected ratios of listed crosses, and
  // the pick of a cross.
  void FillTable(std::int32_t window, const Action& action) {
    constexpr std::int32_t kFirstRatio = 331;
    constexpr std::int32_t kLastRatio = 334;
    constexpr std::int32_t kTotal = 339;
    constexpr std::int32_t kChiEntry = 375;
    constexpr std::int32_t kDegrees = 376;
    constexpr std::int32_t kCrossChoice = 44;
    constexpr std::int32_t kFirstCrossBox = 611;
    constexpr std::int32_t kLastCrossBox = 665;
    WindowService& service = Service();
    std::mt19937 random(action.answers);
    const auto open = [&](std::int32_t item) {
      if (!service.ItemExists(window, item) || !service.ItemVisible(window, item)) return false;
      service.ItemSelect(window, item);
      return service.Registers().itemState.enabled != -1;
    };
    // Every pull-down here has at least four entries.
    const auto choose = [&] { service.SetControlValue(static_cast<std::int32_t>(1 + random() % 4)); };
    for (std::int32_t item = kFirstRatio; item <= kTotal; ++item) {
      if (!open(item)) continue;
      if (item <= kLastRatio) {
        choose();
      } else {
        service.PressKey(window, item, std::to_string(random() % 120));
      }
    }
    if (open(kChiEntry)) service.PressKey(window, kChiEntry, std::to_string(static_cast<double>(random() % 80) / 10));
    // Number fields: recombination estimates, map distances, interference,
    // genotype counts.
    for (const std::int32_t item : {21, 22, 23, 24, 25, 26, 27, 50, 51, 52, 53, 221, 222}) {
      if (open(item)) service.PressKey(window, item, std::to_string(random() % 100));
    }
    for (std::int32_t item = kFirstCrossBox; item <= kLastCrossBox; ++item) {
      if (open(item)) choose();
    }
    for (const std::int32_t item : {kDegrees, kCrossChoice}) {
      if (open(item)) choose();
    }
  }

  // A genotype question's slots get symbols dragged from its template, some
  // of them dragged out again.
  void FillGeneSlots(std::int32_t window, const Action& action) {
    constexpr std::int32_t kFirstSlot = 600;
    constexpr std::int32_t kLastSlot = 713;
    constexpr std::int32_t kFirstTile = 801;
    constexpr std::int32_t kLastTile = 806;
    WindowService& service = Service();
    if (!service.ItemExists(window, kFirstSlot)) return;
    std::vector<std::int32_t> geneSlots;
    std::vector<std::int32_t> tiles;
    for (std::int32_t item = kFirstSlot; item <= kLastSlot; ++item) {
      if (service.ItemExists(window, item) && service.ItemVisible(window, item)) geneSlots.push_back(item);
    }
    for (std::int32_t item = kFirstTile; item <= kLastTile; ++item) {
      if (service.ItemVisible(window, item)) tiles.push_back(item);
    }
    if (geneSlots.empty() || tiles.empty()) return;
    std::mt19937 random(action.answers);
    for (std::size_t n = 0; n < geneSlots.size(); ++n) {
      const std::int32_t slot = geneSlots[random() % geneSlots.size()];
      if (random() % 4 == 0) {
        service.DragSymbol(window, slot, 0);
      } else {
        service.DragSymbol(window, tiles[random() % tiles.size()], slot);
      }
    }
  }

  static bool Inside(const ServiceRect& r, const LayoutSize& layout) {
    return r.left >= 0 && r.top >= 0 && r.right <= layout.width && r.bottom <= layout.height;
  }

  std::optional<std::string> BrokenInvariant() {
    WindowService& service = Service();
    const Session& session = *session_;
    const GeneticsState& genetics = session.genetics;
    const auto& parents = session.example.parentObjects;
    const LayoutSize& layout = session.startup.layout;

    // Every object number is free and undrawn, or stands in one place.
    for (std::int32_t object = kFirstOffspringObject; object <= kLastObject; ++object) {
      const std::int32_t classNumber = genetics.objectClass[object];
      const bool drawn = service.ItemExists(kWindow, object);
      const std::string which = "object " + std::to_string(object);
      if (classNumber == 0) {
        if (drawn) return which + " is free but drawn";
        continue;
      }
      if (!ClassInExample(genetics, classNumber)) return which + " has class " + std::to_string(classNumber) + ", not of this example";
      // A parent standing in the crossing box shows there only.
      if (object == parents[0] || object == parents[1]) {
        if (drawn && service.ItemVisible(kWindow, object)) return which + " stands in the crossing box but shows on the workspace";
        continue;
      }
      if (!drawn || !service.ItemVisible(kWindow, object)) return which + " has class " + std::to_string(classNumber) + " but is not shown";
      if (const ServiceRect r = service.ItemRect(kWindow, object); !Inside(r, layout)) return which + " lies outside the layout at " + Text(r);
    }
    for (std::int32_t i = 0; i < 2; ++i) {
      const std::int32_t place = kFirstParentObject + i;
      const std::int32_t classNumber = genetics.objectClass[place];
      const std::string which = "parent place " + std::to_string(i + 1);
      if (service.ItemVisible(kWindow, place) != (classNumber != 0)) return which + " shows what it does not hold";
      if ((parents[i] != 0) != (classNumber != 0)) return which + " and its parent object disagree";
      if (parents[i] != 0 && genetics.objectClass[parents[i]] != classNumber) return which + " shows another class than its parent";
    }
    if (parents[0] != 0 && parents[0] == parents[1]) return "one individual stands in both parent places";
    const std::int32_t pending = session.offspring.pending;
    if (pending != 0 && (genetics.objectClass[pending] == 0 || !service.ItemVisible(kWindow, pending))) {
      return "the waiting offspring " + std::to_string(pending) + " is not shown";
    }

    // Containers: counts agree with their spots, Storage is always there.
    const ContainerState& state = session.containers;
    if (state.Record(containers::kFirst).count < 0) return "the Storage container is gone";
    std::int32_t held = 0;
    std::int32_t inUse = 0;
    for (std::int32_t c = containers::kFirst; c <= containers::kLast; ++c) {
      const ContainerRecord& record = state.Record(c);
      const std::string which = "container " + std::to_string(c);
      if (record.count < -1 || record.count > containers::kCapacity) return which + " holds " + std::to_string(record.count);
      if (record.count < 0) continue;
      ++inUse;
      held += record.count;
      std::int32_t filled = 0;
      for (std::int32_t spot = 1; spot <= containers::kCapacity; ++spot) filled += record.spots[spot] > 0 ? 1 : 0;
      if (filled != record.count) {
        return which + " counts " + std::to_string(record.count) + " but fills " + std::to_string(filled) + " spots";
      }
      if (!service.ItemExists(kWindow, c) || !Inside(service.ItemRect(kWindow, c), layout)) {
        return which + " is not on the layout: " + Text(service.ItemRect(kWindow, c));
      }
    }
    if (held != state.held) return "containers hold " + std::to_string(held) + ", the total says " + std::to_string(state.held);
    if (inUse != state.inUse) return std::to_string(inUse) + " containers in use, the total says " + std::to_string(state.inUse);
    if (!Inside(service.ItemRect(kWindow, screen::kBin), layout)) {
      return "the bin lies outside the layout at " + Text(service.ItemRect(kWindow, screen::kBin));
    }

    // At most one container open, its view shown exactly then, and the menus to match.
    const bool open = state.open != 0;
    for (std::int32_t kind = kDinosaurDog; kind <= kPlant; ++kind) {
      const std::int32_t view = containers::kFirstViewWindow + kind;
      const bool shown = service.WindowExists(view) && service.WindowVisible(view);
      if (shown != (open && kind == genetics.kind)) return "view " + std::to_string(view) + (shown ? " shows" : " is missing");
    }
    if (open && state.Record(state.open).count < 0) return "the open container is on the spare pile";
    for (const std::int32_t menu : {kAutoMenu, kFileMenu, kExercisesMenu, kTrialMenu}) {
      const auto items = service.MenuItems(menu);
      if (!items.empty() && items[0].visible && items[0].enabled == open) {
        return "menu " + std::to_string(menu) + (open ? " is enabled while a container is open" : " is disabled");
      }
    }
    for (std::int32_t command = containers::kRename; command <= containers::kShut; ++command) {
      for (const auto& item : service.MenuItems(command)) {
        if (open && item.enabled != (command == containers::kShut)) {
          return "command " + std::to_string(command) + (item.enabled ? " is enabled" : " is dimmed") + " while a container is open";
        }
      }
    }
    // Marks stay within what each question is worth (and the one more that
    // finding no individual of a lethal genotype earns).
    for (std::int32_t q = 1; q <= session.questions.list.count; ++q) {
      const QuestionRecord& record = session.questionState.records[q];
      if (record.completed && (record.mark < 0 || record.mark > record.maximum + 1)) {
        return "question " + std::to_string(q) + " marked " + std::to_string(record.mark) + " of " +
               std::to_string(record.maximum);
      }
    }
    return std::nullopt;
  }

  std::unique_ptr<Session> session_;
  std::set<std::int32_t> exercisesSeen_;
  std::int32_t offspringSeen_ = 0;
  std::int32_t lastPending_ = 0;
  std::int32_t mostContainers_ = 0;
  std::int32_t containersOpened_ = 0;
  std::int32_t lastOpen_ = 0;
  std::int64_t ticks_ = 0;
  std::vector<std::string> faults_;
  std::mt19937 answers_;
};

struct Failure {
  std::size_t step = 0;  // the action after which it showed
  std::string what;
};

std::optional<Failure> Replay(std::uint32_t seed, const std::vector<Action>& actions, std::string* reach = nullptr) {
  Run run(seed);
  for (std::size_t i = 0; i < actions.size(); ++i) {
    if (auto broken = run.Do(actions[i])) return Failure{i, *broken};
  }
  if (reach) *reach = run.Reach();
  return std::nullopt;
}

// Removes ever smaller runs of actions while the replay still fails.
std::vector<Action> Shrink(std::uint32_t seed, std::vector<Action> actions) {
  for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t start = 0; start + chunk <= actions.size();) {
      std::vector<Action> shorter(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(start));
      shorter.insert(shorter.end(), actions.begin() + static_cast<std::ptrdiff_t>(start + chunk), actions.end());
      if (const auto failure = Replay(seed, shorter)) {
        shorter.resize(failure->step + 1);
        actions = std::move(shorter);
      } else {
        start += chunk;
      }
    }
  }
  return actions;
}

std::uint32_t Setting(int argc, char* argv[], const std::string& option, const char* variable,
                      std::uint32_t fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (argv[i] == option) return static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
  }
  if (const char* value = std::getenv(variable)) return static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10));
  return fallback;
}

}  // namespace
}  // namespace crossmere

int main(int argc, char* argv[]) {
  using namespace crossmere;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform says at every raised window that it cannot raise it.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
    if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
      std::fprintf(stderr, "%s\n", qPrintable(message));
    }
  });
  const QTemporaryDir userData;
  qputenv("XDG_DATA_HOME", userData.path().toUtf8());
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Crossmere"));

  const std::uint32_t seed = Setting(argc, argv, "--seed", "CROSSMERE_RANDOM_SEED", 20261210);
  const std::uint32_t count = Setting(argc, argv, "--actions", "CROSSMERE_RANDOM_ACTIONS", 3000);
  std::printf("random session: seed %u, %u actions\n", seed, count);
  const std::vector<Action> actions = RandomActions(seed, count);
  std::string reach;
  const auto failure = Replay(seed, actions, &reach);
  if (!failure) {
    std::printf("random session: seed %u, %u actions, every invariant held (%s)\n", seed, count, reach.c_str());
    return 0;
  }
  std::printf("random session: seed %u failed after action %zu: %s\n", seed, failure->step + 1,
              failure->what.c_str());
  const std::vector<Action> shortest =
      Shrink(seed, std::vector<Action>(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(failure->step + 1)));
  const auto again = Replay(seed, shortest);
  std::printf("shortest failing list (%zu actions), failing with: %s\n", shortest.size(),
              again ? again->what.c_str() : "(no longer fails)");
  for (const Action& action : shortest) std::printf("  %s\n", Describe(action).c_str());
  return 1;
}
