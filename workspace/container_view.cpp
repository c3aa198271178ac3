#include "workspace/container_view.h"

#include <algorithm>
#include <vector>

#include "genetics/genotype_classes.h"
#include "genetics/pictures/class_picture.h"
#include "workspace/containers.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/screen_objects.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace containers;
using main_window::kWindow;

// While a container is open, the menus that would change the workspace under
// it are off.
void SetMenusForOpenContainer(Session& session, bool open) {
  WindowService& service = session.service;
  const auto enable = static_cast<std::int32_t>(MenuAction::Enable);
  for (const std::int32_t menu : {main_window::kAutoMenu, main_window::kFileMenu, main_window::kQuestionsMenu,
                                  main_window::kExercisesMenu, main_window::kTrialMenu}) {
    service.Menu(menu, open ? 0 : 1, enable, 0);
  }
  UpdateContainerMenu(session);
}

// An individual that would stand behind the container's view, or on top of
// another, moves to the nearest free spot beside the view.
void KeepInSight(Session& session, std::int32_t object, const ServiceRect& view) {
  WindowService& service = session.service;
  const LayoutSize& layout = session.startup.layout;
  const ServiceRect here = service.ItemRect(kWindow, object);
  const std::int32_t width = here.right - here.left;
  const std::int32_t height = here.bottom - here.top;
  std::vector<ServiceRect> others;
  for (std::int32_t other = kFirstOffspringObject; other <= kLastOffspringObject; ++other) {
    if (other == object || session.genetics.objectClass[other] == 0 || !service.ItemVisible(kWindow, other)) continue;
    others.push_back(service.ItemRect(kWindow, other));
  }
  auto free = [&](const ServiceRect& spot) {
    if (spot.left < 0 || spot.right > layout.width || spot.top < screen::kLowestBinTop || spot.bottom > layout.height ||
        OverlapArea(spot, view) > 0) {
      return false;
    }
    return std::none_of(others.begin(), others.end(), [&](const ServiceRect& r) { return OverlapArea(spot, r) > 0; });
  };
  auto at = [&](std::int32_t left, std::int32_t top) { return ServiceRect{top, left, top + height, left + width}; };
  if (free(here)) return;
  for (std::int32_t step = 0; step * (height + 4) < layout.height; ++step) {
    for (const std::int32_t top : {here.top + step * (height + 4), here.top - step * (height + 4)}) {
      for (const std::int32_t left : {view.left - width - 8, view.right + 8}) {
        if (free(at(left, top))) {
          service.ItemPlace(kWindow, object, top, left);
          return;
        }
      }
    }
  }
}

}  // namespace

void LookIn(Session& session) {
  ContainerState& state = session.containers;
  WindowService& service = session.service;
  const std::int32_t container = state.selected;
  if (container == 0 || state.open != 0) return;
  session.autoSettings.autoFill = false;
  service.Menu(main_window::kAutoFillCommand, 0, static_cast<std::int32_t>(MenuAction::Check), 0);

  const std::int32_t view = kFirstViewWindow + session.genetics.kind;
  service.WindowOpen(view, 2);
  service.Registers().fileNameRegister = state.Record(container).name;
  service.WindowSetTitle();
  service.WindowPlace(view, 1, 60);
  const ContainerRecord& record = state.Record(container);
  const PictureFrame frame = FrameOf(session.genetics, true, false);
  const std::int32_t rowHeight = session.genetics.kind == kDinosaurDog ? 64 : frame.height + 2;
  const std::int32_t spots = container == kFirst ? state.storageSpots : record.count;
  state.shownSpots.fill(0);
  std::int32_t shown = 0;
  std::int32_t lastRow = 0;
  for (std::int32_t spot = 1; spot <= spots && shown < kCapacity; ++spot) {
    const std::int32_t classNumber = record.spots[spot];
    if (classNumber <= 0) continue;
    const std::int32_t p = container == kFirst ? spot - 1 : shown;
    state.shownSpots[shown] = spot;
    const std::int32_t number = kFirstShown + shown++;
    BuildClassPicture(session, classNumber);
    service.ItemTemplate(kWindow, classNumber);
    service.ItemSelect(view, kViewArea);
    service.ItemClone();
    service.ItemSetNumber(number);
    service.ItemDescribe(view, number, ClassDescription(session.genetics, classNumber));
    service.ItemTakesFocus(view, number);
    lastRow = p / 5;
    service.ItemPlace(view, number, lastRow * rowHeight + 8, (p % 5) * 83 + 5);
    service.ItemShow(view, number);
  }
  service.ItemSelect(view, kViewArea);
  service.ItemResize((lastRow + 1) * rowHeight + 16, 5 * 83 + 10);
  service.WindowShow(view);
  if (shown > 0) service.ItemSelectFocus(view, kFirstShown);
  state.open = container;
  SetMenusForOpenContainer(session, true);
}

void Shut(Session& session) {
  ContainerState& state = session.containers;
  WindowService& service = session.service;
  const std::int32_t container = state.open;
  if (container == 0) return;
  ContainerRecord& record = state.Record(container);
  if (container != kFirst) {
    // Spots left by individuals taken out close up, keeping the order.
    std::array<std::int32_t, kCapacity + 1> packed{};
    std::int32_t next = 1;
    for (std::int32_t spot = 1; spot <= kCapacity; ++spot) {
      if (record.spots[spot] > 0) packed[next++] = record.spots[spot];
    }
    record.spots = packed;
  }
  service.WindowRelease(kFirstViewWindow + session.genetics.kind);
  state.open = 0;
  if (session.autoSettings.autoName) AutoName(session, container);
  ContainerLabelRedraw(session, container);
  Deselect(session);
  SetMenusForOpenContainer(session, false);
}

void TakeOutOfContainer(Session& session, std::int32_t shown) {
  ContainerState& state = session.containers;
  WindowService& service = session.service;
  const std::int32_t container = state.open;
  if (container == 0) return;
  const std::int32_t view = kFirstViewWindow + session.genetics.kind;
  const ServiceRect start = service.ItemRect(view, shown);
  service.ItemTemplate(view, shown);
  service.ItemMove(service.Registers().resultWord, 0, 0, MoveMode::DragAndPlace);
  const ServiceRect drop = service.Registers().dragRect;
  const ServiceRect area = service.ItemRect(view, kViewArea);
  const bool inside = drop.left >= 0 && drop.top >= 0 && drop.right <= area.right - area.left &&
                      drop.bottom <= area.bottom - area.top;
  if (!inside) TakeOut(session, shown, start, drop);
}

void TakeOut(Session& session, std::int32_t shown, const ServiceRect& start, const ServiceRect& drop) {
  ContainerState& state = session.containers;
  WindowService& service = session.service;
  const std::int32_t container = state.open;
  if (container == 0) return;
  const std::int32_t view = kFirstViewWindow + session.genetics.kind;
  ContainerRecord& record = state.Record(container);
  const std::int32_t spot = state.shownSpots[shown - kFirstShown];
  if (spot == 0 || record.spots[spot] <= 0) return;
  // The individual needs a screen number before it may leave the container.
  GeneticsState& genetics = session.genetics;
  std::int32_t object = kFirstOffspringObject;
  while (object <= kLastOffspringObject && genetics.objectClass[object] != 0) ++object;
  if (object > kLastOffspringObject) {
    service.Alert(op::kInformationBox, "Sorry.  No more animals possible");
    service.ItemPlace(view, shown, start.top, start.left);
    return;
  }
  const std::int32_t classNumber = record.spots[spot];
  record.spots[spot] = -classNumber;
  --record.count;
  --state.held;
  if (record.count == 0) record.crossTag = 0;
  service.ItemDestroy(view, shown);
  genetics.objectClass[object] = classNumber;
  session.offspring.highestObject = std::max(session.offspring.highestObject, object);
  const ServiceRect dropped = service.MapRect(view, drop, kWindow);
  NewIndividual(session, object, dropped.left, dropped.top);
  // Its picture on the workspace may be larger than its place in the view.
  const ServiceRect onLayout = InsideLayout(session.startup.layout, service.ItemRect(kWindow, object));
  service.ItemPlace(kWindow, object, onLayout.top, onLayout.left);
  KeepInSight(session, object, service.WindowRectIn(view, kWindow));
  ContainerLabelRedraw(session, container);
}

}  // namespace crossmere
