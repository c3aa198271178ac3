#include "workspace/screen_objects.h"

#include <algorithm>

#include "workspace/containers.h"
#include "workspace/crossing_box.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;
using namespace screen;

constexpr std::int32_t kBlinkTicks = 3;

bool IsParentPlace(std::int32_t object) {
  return object == kFirstParentObject || object == kSecondParentObject;
}

void Destroy(Session& session, std::int32_t object) {
  WindowService& service = session.service;
  if (IsParentPlace(object)) {
    const std::int32_t individual = session.example.parentObjects[object - kFirstParentObject];
    FreeObject(session, individual);
    // A starting parent has never stood on the workspace: it has no picture of its own.
    if (service.ItemExists(kWindow, individual)) service.ItemDestroy(kWindow, individual);
    LeaveParentPlace(session, object);
  } else {
    service.ItemDestroy(kWindow, object);
    FreeObject(session, object);
    if (session.offspring.pending == object) session.offspring.pending = 0;
  }
  service.ItemSelect(kWindow, kBin);
  service.ItemRefresh();
  service.DelayTicks(kBlinkTicks);
  service.ItemRefresh();
  UpdateContainerMenu(session);
}

// The first container in use that the pointer is in, or that the drop covers enough.
std::int32_t ContainerAt(Session& session, const ServiceRect& drop, std::int32_t x, std::int32_t y) {
  for (std::int32_t c = containers::kFirst; c <= containers::kLast; ++c) {
    if (session.containers.Record(c).count < 0) continue;
    const ServiceRect r = session.service.ItemRect(kWindow, c);
    if (Contains(r, x, y) || OverlapArea(drop, r) > kContainerOverlap) return c;
  }
  return 0;
}

// Keeps a dropped individual inside the layout: `drop` is where the dragged
// picture fell, which may be a parent place's, not the size of the
// individual's own picture.
std::pair<std::int32_t, std::int32_t> PulledBack(Session& session, const ServiceRect& drop, std::int32_t individual) {
  const LayoutSize layout = session.startup.layout;
  const ServiceRect own = session.service.ItemRect(kWindow, individual);
  const std::int32_t left =
      InsideLayout(layout, {drop.top, drop.left, drop.bottom, drop.left + own.right - own.left}).left;
  std::int32_t top = drop.top;
  if (drop.bottom > layout.height - 30) top = layout.height - 100;
  if (top < 0) top = 0;
  return {left, top};
}

// A parent place stands for its individual, who becomes a workspace picture again.
std::int32_t Individual(Session& session, std::int32_t object) {
  if (!IsParentPlace(object)) return object;
  const std::int32_t individual = session.example.parentObjects[object - kFirstParentObject];
  LeaveParentPlace(session, object);
  session.service.ItemSelect(kWindow, individual);
  if (!session.service.Registers().itemFound) NewIndividual(session, individual, 0, 0);
  return individual;
}

}  // namespace

std::int32_t PickIndividual(Session& session, std::int32_t x, std::int32_t y) {
  WindowService& service = session.service;
  const std::int32_t highest = std::max(session.offspring.highestObject, kSecondParentObject);
  for (std::int32_t object = highest; object >= kFirstParentObject; --object) {
    if (session.genetics.objectClass[object] == 0) continue;
    service.ItemSelect(kWindow, object);
    if (!service.Registers().itemFound || !service.Registers().itemState.visible) continue;
    if (Contains(service.ItemRect(kWindow, object), x, y)) return object;
  }
  return 0;
}

void DragIndividual(Session& session) {
  WindowService& service = session.service;
  if (session.containers.open != 0) return;
  const std::int32_t picked =
      PickIndividual(session, service.Registers().pointerX, service.Registers().pointerY);
  if (picked == 0) return;
  // Locked parents stay: refusing the drag keeps them safe from the bin.
  if (IsParentPlace(picked) && ParentsLocked(session)) return;

  const ServiceRect start = service.ItemRect(kWindow, picked);
  service.ItemTemplate(kWindow, picked);
  service.ItemMove(service.Registers().resultWord, 0, 0, MoveMode::Drag);
  DropIndividual(session, picked, start, service.Registers().dragRect, service.Registers().pointerX,
                 service.Registers().pointerY);
}

void DropIndividual(Session& session, std::int32_t picked, const ServiceRect& start, const ServiceRect& drop,
                    std::int32_t x, std::int32_t y) {
  WindowService& service = session.service;
  const bool wasPending = picked == session.offspring.pending;

  const ServiceRect bin = service.ItemRect(kWindow, kBin);
  if (Contains(bin, x, y) || OverlapArea(drop, bin) > 0) {
    Destroy(session, picked);
    if (wasPending) ShowNextOffspring(session);
    return;
  }
  if (IsParentPlace(picked)) {
    // Without separate sexes, a parent may move to the other place when it is empty.
    const std::int32_t other = kFirstParentObject + kSecondParentObject - picked;
    const GeneticsState& genetics = session.genetics;
    const bool sexesApart = !genetics.hermaphrodite && !genetics.hiddenSex;
    const std::int32_t onOther = OverlapArea(drop, service.ItemRect(kWindow, other));
    if (!sexesApart && genetics.objectClass[other] == 0 &&
        onOther > OverlapArea(drop, service.ItemRect(kWindow, picked))) {
      const std::int32_t individual = Individual(session, picked);
      if (!DropOnParentPlace(session, individual, drop, start)) {
        const auto [left, top] = PulledBack(session, drop, individual);
        service.ItemPlace(kWindow, individual, top, left);
        service.ItemShow(kWindow, individual);
      }
      return;
    }
    // A parent dropped on its own place stays; anywhere else it leaves the box.
    if (OverlapArea(drop, service.ItemRect(kWindow, picked)) > 0) return;
  }

  if (const std::int32_t container = ContainerAt(session, drop, x, y)) {
    // Refused before it leaves its place, a parent stays in the crossing box.
    if (IsParentPlace(picked) && RefusedAsFull(session, container)) {
      service.ItemPlace(kWindow, picked, start.top, start.left);
      return;
    }
    const std::int32_t individual = Individual(session, picked);
    if (!PutInContainer(session, container, individual)) {
      if (!IsParentPlace(picked)) service.ItemPlace(kWindow, individual, start.top, start.left);
      return;
    }
    if (wasPending) {
      session.offspring.pending = 0;
      if (session.autoSettings.autoFill && CrossStands(session)) {
        AutoFill(session);
      } else {
        ShowNextOffspring(session);
      }
    }
    return;
  }
  Deselect(session);
  // The waiting offspring follows the crossing box's rules like any other individual.
  if (!IsParentPlace(picked) && DropOnParentPlace(session, picked, drop, start)) return;

  const bool overBox = OverlapArea(drop, service.ItemRect(kWindow, kOffspringFrame)) > 0 ||
                       OverlapArea(drop, service.ItemRect(kWindow, kFirstParentObject)) > 0 ||
                       OverlapArea(drop, service.ItemRect(kWindow, kSecondParentObject)) > 0;
  if (overBox) {
    if (!IsParentPlace(picked)) service.ItemPlace(kWindow, picked, start.top, start.left);
    return;
  }
  const std::int32_t individual = Individual(session, picked);
  const auto [left, top] = PulledBack(session, drop, individual);
  service.ItemPlace(kWindow, individual, top, left);
  service.ItemShow(kWindow, individual);
  if (wasPending) {
    session.offspring.pending = 0;
    ShowNextOffspring(session);
  }
  UpdateContainerMenu(session);
}

ServiceRect InsideLayout(const LayoutSize& layout, const ServiceRect& drop) {
  const std::int32_t width = drop.right - drop.left;
  const std::int32_t height = drop.bottom - drop.top;
  const std::int32_t left = std::clamp(drop.left, 0, std::max(layout.width - width, 0));
  const std::int32_t top = std::clamp(drop.top, 0, std::max(layout.height - height, 0));
  return {top, left, top + height, left + width};
}

void DragBin(Session& session) {
  WindowService& service = session.service;
  service.ItemTemplate(kWindow, kBin);
  const std::int32_t index = service.Registers().resultWord;
  service.ItemMove(index, 0, 0, MoveMode::Drag);
  const ServiceRect drop = InsideLayout(session.startup.layout, service.Registers().dragRect);
  if (drop.top >= kLowestBinTop) service.ItemMove(index, drop.top, drop.left, MoveMode::Place);
}

}  // namespace crossmere
