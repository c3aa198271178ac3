#include "workspace/screen_objects.h"

#include <algorithm>

#include "genetics/pictures/class_picture.h"
#include "layer/tick_count.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;
using namespace screen;

constexpr std::int32_t kBlinkTicks = 3;

ServiceRect RectOf(WindowService& service, std::int32_t item) {
  service.ItemSelect(kWindow, item);
  const auto& r = service.Registers().windowRect;
  return {r.top, r.left, r.bottom, r.right};
}

bool Contains(const ServiceRect& r, std::int32_t x, std::int32_t y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

std::int32_t OverlapArea(const ServiceRect& a, const ServiceRect& b) {
  const std::int32_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const std::int32_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

void MoveTo(WindowService& service, std::int32_t item, std::int32_t left, std::int32_t top) {
  service.ItemTemplate(kWindow, item);
  service.ItemMove(service.Registers().resultWord, top, left, MoveMode::Place);
}

bool IsParentPlace(std::int32_t object) {
  return object == kFirstParentObject || object == kSecondParentObject;
}

// A parent place stands for the individual standing in it.
std::int32_t& ParentObject(Session& session, std::int32_t place) {
  return session.example.parentObjects[place - kFirstParentObject];
}

void ClearParentPlace(Session& session, std::int32_t place) {
  session.genetics.objectClass[place] = 0;
  ParentObject(session, place) = 0;
  session.service.ItemHide(kWindow, place);
}

void Destroy(Session& session, std::int32_t object) {
  WindowService& service = session.service;
  if (IsParentPlace(object)) {
    session.genetics.objectClass[ParentObject(session, object)] = 0;
    ClearParentPlace(session, object);
  } else {
    service.ItemDestroy(kWindow, object);
    session.genetics.objectClass[object] = 0;
    if (session.offspring.pending == object) session.offspring.pending = 0;
  }
  service.ItemSelect(kWindow, kBin);
  service.ItemRefresh();
  service.DelayTicks(kBlinkTicks);
  service.ItemRefresh();
}

// Puts a workspace individual into an empty parent place of its sex.
bool DropOnParentPlace(Session& session, std::int32_t object, const ServiceRect& drop) {
  WindowService& service = session.service;
  GeneticsState& genetics = session.genetics;
  for (const std::int32_t place : {kFirstParentObject, kSecondParentObject}) {
    if (OverlapArea(drop, RectOf(service, place)) == 0) continue;
    if (genetics.objectClass[place] != 0) return false;
    if (session.offspring.pending != 0) {
      service.Alert(op::kInformationBox, "Please remove offspring from previous cross before setting up new cross");
      return false;
    }
    const std::int32_t sex = genetics.classes[genetics.objectClass[object]].Sex();
    if (!genetics.hermaphrodite && !genetics.hiddenSex && sex != place - kFirstParentObject) {
      service.Alert(op::kInformationBox, sex == 1 ? "That's a male" : "That's a female");
      return false;
    }
    genetics.objectClass[place] = genetics.objectClass[object];
    ParentObject(session, place) = object;
    service.ItemHide(kWindow, object);
    service.ItemCopyPicture(kWindow, genetics.objectClass[object], place);
    service.ItemShow(kWindow, place);
    session.offspring.delay = session.offspring.delay == 0 ? 30 : session.offspring.delay;
    ShowNextOffspring(session);
    return true;
  }
  return false;
}

// Keeps a dropped individual inside the layout.
std::pair<std::int32_t, std::int32_t> PulledBack(const Session& session, const ServiceRect& drop) {
  const LayoutSize layout = session.startup.layout;
  std::int32_t left = drop.left;
  std::int32_t top = drop.top;
  if (drop.right > layout.width) left = layout.width - 80;
  if (left < 0) left = 0;
  if (drop.bottom > layout.height - 30) top = layout.height - 100;
  if (top < 0) top = 0;
  return {left, top};
}

}  // namespace

std::int32_t PickIndividual(Session& session, std::int32_t x, std::int32_t y) {
  WindowService& service = session.service;
  const std::int32_t highest = std::max(session.offspring.highestObject, kSecondParentObject);
  for (std::int32_t object = highest; object >= kFirstParentObject; --object) {
    if (session.genetics.objectClass[object] == 0) continue;
    service.ItemSelect(kWindow, object);
    if (!service.Registers().itemFound || !service.Registers().itemState.visible) continue;
    if (Contains(RectOf(service, object), x, y)) return object;
  }
  return 0;
}

void DragIndividual(Session& session) {
  WindowService& service = session.service;
  const std::int32_t object =
      PickIndividual(session, service.Registers().pointerX, service.Registers().pointerY);
  if (object == 0) return;
  // Locked parents stay: refusing the drag keeps them safe from the bin.
  if (IsParentPlace(object) && session.exercises.options[session.progress.current].On(79)) return;

  const ServiceRect start = RectOf(service, object);
  service.ItemTemplate(kWindow, object);
  service.ItemMove(service.Registers().resultWord, 0, 0, MoveMode::Drag);
  const ServiceRect drop = service.Registers().dragRect;
  const std::int32_t x = service.Registers().pointerX;
  const std::int32_t y = service.Registers().pointerY;

  const ServiceRect bin = RectOf(service, kBin);
  if (Contains(bin, x, y) || OverlapArea(drop, bin) > 0) {
    const bool wasPending = object == session.offspring.pending;
    Destroy(session, object);
    if (wasPending) ShowNextOffspring(session);
    return;
  }
  if (!IsParentPlace(object) && object != session.offspring.pending &&
      DropOnParentPlace(session, object, drop)) {
    return;
  }
  const bool overBox = OverlapArea(drop, RectOf(service, kOffspringFrame)) > 0 ||
                       OverlapArea(drop, RectOf(service, kFirstParentObject)) > 0 ||
                       OverlapArea(drop, RectOf(service, kSecondParentObject)) > 0;
  if (overBox) {
    if (!IsParentPlace(object)) MoveTo(service, object, start.left, start.top);
    return;
  }

  const auto [left, top] = PulledBack(session, drop);
  if (IsParentPlace(object)) {
    // The parent leaves the crossing box and stands on the workspace.
    const std::int32_t individual = ParentObject(session, object);
    ClearParentPlace(session, object);
    service.ItemSelect(kWindow, individual);
    if (service.Registers().itemFound) {
      MoveTo(service, individual, left, top);
      service.ItemShow(kWindow, individual);
    } else {
      NewIndividual(session, individual, left, top);
    }
    return;
  }
  MoveTo(service, object, left, top);
  if (object == session.offspring.pending) {
    session.offspring.pending = 0;
    ShowNextOffspring(session);
  }
}

void DragBin(Session& session) {
  WindowService& service = session.service;
  service.ItemTemplate(kWindow, kBin);
  const std::int32_t index = service.Registers().resultWord;
  service.ItemMove(index, 0, 0, MoveMode::Drag);
  const ServiceRect drop = service.Registers().dragRect;
  if (drop.top >= kLowestBinTop) service.ItemMove(index, drop.top, drop.left, MoveMode::Place);
}

void ShowNextOffspring(Session& session) {
  WindowService& service = session.service;
  const NewOffspringResult made =
      NewOffspring(session.genetics, session.offspring, session.random, false, TickCount());
  if (made.outcome == OffspringOutcome::NoRoom) {
    service.Alert(op::kInformationBox, "Sorry.  No more animals possible");
    return;
  }
  if (made.outcome != OffspringOutcome::Made) return;
  if (!service.Scripted()) service.DelayTicks(made.waitTicks);
  OffspringShown(session.offspring, made.object, TickCount());
  ShowPendingOffspring(session);
}

}  // namespace crossmere
