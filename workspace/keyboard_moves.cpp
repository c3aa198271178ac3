#include "workspace/keyboard_moves.h"

#include "genetics/genetics_state.h"
#include "workspace/container_view.h"
#include "workspace/containers.h"
#include "workspace/crossing_box.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/screen_objects.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;

constexpr std::int32_t kMoveDialog = 791;
constexpr std::int32_t kPlaceChooser = 11;
// The workspace below the boxes at the top, searched for a free spot.
constexpr std::int32_t kWorkspaceTop = 220;
constexpr std::int32_t kSpotGap = 6;

// The first spot of the workspace, row by row, where something of the given
// size (an individual or a container) covers no individual, container,
// container name, the bin or the `alsoTaken` rectangle; `picked` itself
// does not count.
ServiceRect FreeSpot(Session& session, const ServiceRect& size, std::int32_t picked,
                     const ServiceRect& alsoTaken = {}) {
  WindowService& service = session.service;
  const std::int32_t width = size.right - size.left;
  const std::int32_t height = size.bottom - size.top;
  std::vector<ServiceRect> taken{service.ItemRect(kWindow, screen::kBin), alsoTaken};
  for (std::int32_t object = kFirstOffspringObject; object <= kLastObject; ++object) {
    if (object != picked && service.ItemVisible(kWindow, object)) taken.push_back(service.ItemRect(kWindow, object));
  }
  for (std::int32_t c = containers::kFirst; c <= containers::kLast; ++c) {
    if (c == picked || !service.ItemVisible(kWindow, c)) continue;
    taken.push_back(service.ItemRect(kWindow, c));
    const std::int32_t label = c + containers::kLabelOffset;
    if (service.ItemVisible(kWindow, label)) taken.push_back(service.ItemRect(kWindow, label));
  }
  const LayoutSize& layout = session.startup.layout;
  for (std::int32_t top = kWorkspaceTop; top + height <= layout.height; top += height + kSpotGap) {
    for (std::int32_t left = kSpotGap; left + width <= layout.width; left += width + kSpotGap) {
      const ServiceRect spot{top, left, top + height, left + width};
      bool free = true;
      for (const ServiceRect& other : taken) free = free && OverlapArea(spot, other) == 0;
      if (free) return spot;
    }
  }
  return {kWorkspaceTop, kSpotGap, kWorkspaceTop + height, kSpotGap + width};
}

// The individual shown at `shown` in the open container's view goes out to a
// free spot of the workspace that the view does not hide; the focus moves on
// to the next individual the view still shows, or else the one before.
void TakeOutToFreeSpot(Session& session, std::int32_t view, std::int32_t shown) {
  WindowService& service = session.service;
  const ContainerState& held = session.containers;
  const ContainerRecord& record = held.Record(held.open);
  const ServiceRect here = service.ItemRect(view, shown);
  // The spot is sought for the picture the individual has on the workspace,
  // which is that of its genotype class there.
  const std::int32_t at = held.shownSpots[static_cast<std::size_t>(shown - containers::kFirstShown)];
  const std::int32_t classNumber = at > 0 ? record.spots[static_cast<std::size_t>(at)] : 0;
  const ServiceRect size = classNumber > 0 ? service.ItemRect(kWindow, classNumber) : here;
  const ServiceRect spot = FreeSpot(session, size, 0, service.WindowRectIn(view, kWindow));
  TakeOut(session, shown, here, service.MapRect(kWindow, spot, view));
  const auto stillShown = [&](std::int32_t index) {
    const std::int32_t at = held.shownSpots[static_cast<std::size_t>(index)];
    return at != 0 && record.spots[static_cast<std::size_t>(at)] > 0;
  };
  const std::int32_t index = shown - containers::kFirstShown;
  std::int32_t next = index + 1;
  while (next < containers::kCapacity && held.shownSpots[static_cast<std::size_t>(next)] != 0 && !stillShown(next)) {
    ++next;
  }
  if (next == containers::kCapacity || !stillShown(next)) {
    next = index - 1;
    while (next >= 0 && !stillShown(next)) --next;
  }
  if (next >= 0) service.ItemSelectFocus(view, containers::kFirstShown + next);
}

bool IsIndividual(const Session& session, std::int32_t item) {
  return item >= kFirstParentObject && item <= kLastObject && session.genetics.objectClass[item] != 0;
}

}  // namespace

std::vector<MovePlace> MovePlacesFor(Session& session, std::int32_t picked) {
  WindowService& service = session.service;
  std::vector<MovePlace> places;
  for (std::int32_t c = containers::kFirst; c <= containers::kLast; ++c) {
    const ContainerRecord& record = session.containers.Record(c);
    if (record.count < 0 || !service.ItemVisible(kWindow, c)) continue;
    places.push_back({ContainerDescription(session, record), service.ItemRect(kWindow, c), c});
  }
  places.push_back({"Rubbish bin", service.ItemRect(kWindow, screen::kBin), screen::kBin});
  for (const std::int32_t place : {kFirstParentObject, kSecondParentObject}) {
    if (place == picked || session.genetics.objectClass[place] != 0) continue;
    places.push_back({ParentPlaceName(place), service.ItemRect(kWindow, place), place});
  }
  places.push_back({"Workspace", FreeSpot(session, service.ItemRect(kWindow, picked), picked)});
  return places;
}

void MoveIndividual(Session& session, std::int32_t picked) {
  WindowService& service = session.service;
  if (session.containers.open != 0) {
    service.Alert(op::kInformationBox, "Shut the open container first (Escape).");
    return;
  }
  if (!IsIndividual(session, picked)) {
    service.Alert(op::kInformationBox, "Choose an individual first: the Tab key moves from one to the next.");
    return;
  }
  if (picked <= kSecondParentObject && ParentsLocked(session)) {
    service.Alert(op::kInformationBox, "The parents are locked: they cannot leave the crossing box now.");
    return;
  }
  const std::vector<MovePlace> places = MovePlacesFor(session, picked);
  OpenCentred(service, kMoveDialog, session.startup.layout);
  std::string names;
  for (const MovePlace& place : places) names += (names.empty() ? "" : "\n") + place.name;
  service.SetItemText(kMoveDialog, kPlaceChooser, names);
  service.SetItemValue(kMoveDialog, kPlaceChooser, 1);
  service.ItemSelectFocus(kMoveDialog, kPlaceChooser);
  const std::int32_t hit = RunModal(service, kMoveDialog);
  service.ItemSelect(kMoveDialog, kPlaceChooser);
  const std::int32_t chosen = service.GetControlValue();
  service.WindowRelease(kMoveDialog);
  if (hit != main_window::kOkButton || chosen < 1 || chosen > static_cast<std::int32_t>(places.size())) return;
  const MovePlace& place = places[static_cast<std::size_t>(chosen - 1)];
  const ServiceRect& drop = place.drop;
  const ServiceRect start = service.ItemRect(kWindow, picked);
  const bool wasPending = picked == session.offspring.pending;
  DropIndividual(session, picked, start, drop, (drop.left + drop.right) / 2, (drop.top + drop.bottom) / 2);
  // The focus goes on to the next offspring, as sorting them goes on. An
  // individual gone into a container leaves the focus on the container when
  // no offspring waits.
  const std::int32_t next = session.offspring.pending;
  if (next != 0 && (wasPending || service.FocusedItem(kWindow) == 0)) {
    service.ItemSelectFocus(kWindow, next);
  } else if (service.FocusedItem(kWindow) == 0 && place.item >= containers::kFirst &&
             place.item <= containers::kLast) {
    service.ItemSelectFocus(kWindow, place.item);
  }
}

void MoveFocusedIndividual(Session& session) { MoveIndividual(session, session.service.FocusedItem(kWindow)); }

void ActivateFromKeyboard(Session& session, std::int32_t window, std::int32_t item) {
  WindowService& service = session.service;
  const ContainerState& held = session.containers;
  if (window == kWindow && item >= kFirstParentObject && item <= kLastObject) {
    MoveIndividual(session, item);
  } else if (window == kWindow && item >= containers::kFirst && item <= containers::kLast && held.open == 0) {
    if (held.Record(item).count < 0) {
      const ServiceRect spot = FreeSpot(session, service.ItemRect(kWindow, item), item);
      SetDownContainer(session, item, spot.left, spot.top);
    } else {
      SelectContainer(session, item);
      if (service.Registers().clickCount == 2) ContainerCommand(session, containers::kLookIn);
    }
  } else if (window == containers::kFirstViewWindow + session.genetics.kind && item >= containers::kFirstShown &&
             held.open != 0) {
    TakeOutToFreeSpot(session, window, item);
  }
}

}  // namespace crossmere
