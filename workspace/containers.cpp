#include "workspace/containers.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "genetics/genotype_classes.h"
#include "workspace/container_view.h"
#include "workspace/crossing_box.h"
#include "workspace/main_window.h"
#include "workspace/screen_objects.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace containers;
using main_window::kWindow;

constexpr std::int32_t kWidth = 71;
constexpr std::int32_t kHeight = 34;
constexpr std::int32_t kSpareLeft = 515;
constexpr std::int32_t kSpareTop = 28;
constexpr std::int32_t kBlack = 33;

// The outline of a cage, bottle or tray, 71 x 34, with the count inside.
void DrawOutline(Drawing& d, std::int32_t kind, std::int32_t count) {
  d.ClearItem();
  d.ColourByNumber(kBlack);
  d.PenSize(2);
  d.PenPattern(1);
  if (kind == kFly) {
    // A bottle lying on its side, neck to the right.
    d.OpenPolygon();
    d.MoveTo(3, 5);
    for (const auto& [x, y] : {std::pair{52, 5}, {60, 11}, {67, 11}, {67, 22}, {60, 22}, {52, 28}, {3, 28}, {3, 5}}) {
      d.LineTo(x, y);
    }
    d.ClosePolygon();
    d.FramePolygon();
  } else if (kind == kPlant) {
    // A shallow tray with a rim.
    d.OpenPolygon();
    d.MoveTo(2, 10);
    for (const auto& [x, y] : {std::pair{67, 10}, {61, 30}, {8, 30}, {2, 10}}) d.LineTo(x, y);
    d.ClosePolygon();
    d.FramePolygon();
    d.MoveTo(5, 15);
    d.LineTo(64, 15);
  } else {
    d.RoundRect({2, 2, 32, 69}, 8, 8);
    d.PenSize(1);
    for (std::int32_t x = 8; x < 66; x += 6) {
      d.MoveTo(x, 4);
      d.LineTo(x, 29);
    }
  }
  d.PenSize(1);
  if (count <= 0) return;
  d.TextFont(1);
  d.TextSize(10);
  const std::string text = std::to_string(count);
  const std::int32_t width = d.StringWidth(text);
  d.EraseRect({10, 35 - width / 2 - 3, 26, 36 + width / 2 + 3});
  d.ColourByNumber(kBlack);
  d.MoveTo(35 - width / 2, 24);
  d.DrawText(text);
}

void AddClass(Session& session, std::int32_t container, std::int32_t classNumber) {
  ContainerState& state = session.containers;
  state.Add(container, classNumber);
  ContainerRecord& record = state.Record(container);
  const std::int32_t cross = session.cross.number;
  if (record.crossTag == 0) record.crossTag = cross;
  if (record.crossTag != cross || !CrossStands(session)) record.crossTag = -1;
}

bool Full(const Session& session, std::int32_t container) {
  const ContainerState& state = session.containers;
  if (state.Record(container).count >= kCapacity) return true;
  // Storage spots are never reused within an exercise.
  return container == kFirst && state.storageSpots >= kCapacity;
}

void EmptyContainer(Session& session, std::int32_t container) {
  ContainerState& state = session.containers;
  ContainerRecord& record = state.Record(container);
  state.held -= std::max(record.count, 0);
  record.count = 0;
  record.crossTag = 0;
  record.spots.fill(0);
  if (container == kFirst) state.storageSpots = 0;
  ContainerLabelRedraw(session, container);
}

void RecycleContainer(Session& session, std::int32_t container) {
  ContainerState& state = session.containers;
  WindowService& service = session.service;
  ContainerRecord& record = state.Record(container);
  const bool allInUse = state.inUse == kLast - kFirst + 1;
  --state.inUse;
  state.held -= std::max(record.count, 0);
  record = ContainerRecord();
  service.ItemHide(kWindow, container + kLabelOffset);
  service.ItemPlace(kWindow, container, kSpareTop, kSpareLeft);
  ContainerLabelRedraw(session, container);
  if (allInUse) {
    service.ItemShow(kWindow, container);
  } else {
    service.ItemHide(kWindow, container);
  }
}

std::int32_t NextSpare(const Session& session) {
  for (std::int32_t c = kFirst + 1; c <= kLast; ++c) {
    if (session.containers.Record(c).count < 0) return c;
  }
  return 0;
}

void ShowSparePile(Session& session) {
  WindowService& service = session.service;
  for (std::int32_t c = kFirst + 1; c <= kLast; ++c) {
    if (session.containers.Record(c).count < 0) service.ItemHide(kWindow, c);
  }
  if (const std::int32_t spare = NextSpare(session)) {
    service.ItemPlace(kWindow, spare, kSpareTop, kSpareLeft);
    ContainerLabelRedraw(session, spare);
    service.ItemShow(kWindow, spare);
  }
}

void Rename(Session& session, std::int32_t container, bool isNew) {
  WindowService& service = session.service;
  if (container == kFirst) {
    service.Alert(op::kErrorBox, "Can't change name of Storage cage");
    return;
  }
  ContainerRecord& record = session.containers.Record(container);
  std::string name = record.name;
  service.WindowOpen(kRenameWindow, 0);
  CentreOnLayout(service, kRenameWindow, session.startup.layout);
  service.SetItemText(kRenameWindow, 50, session.strings.ListString(422, isNew || name.empty() ? 11 : 12));
  service.ItemSelect(kRenameWindow, 8);
  service.ItemBind(name);
  service.ItemWrite(kRenameWindow, 8);
  service.ItemSelectFocus(kRenameWindow, 8);
  service.WindowRunModal(kRenameWindow);
  const bool ok = service.Registers().itemHit == 1000;
  if (ok) {
    service.ItemRead(kRenameWindow, 8);
    record.name = CutText(service.Bindings().lastEnteredText, 128);
  }
  service.WindowRelease(kRenameWindow);
  session.autoSettings.autoName = false;
  service.Menu(main_window::kAutoNameCommand, 0, static_cast<std::int32_t>(MenuAction::Check), 0);
  if (ok) ContainerLabelRedraw(session, container);
}

void ClearAll(Session& session) {
  if (!Confirm(session, 7, false, true)) return;
  WindowService& service = session.service;
  GeneticsState& genetics = session.genetics;
  for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
    if (genetics.objectClass[object] == 0 || object == session.offspring.pending) continue;
    if (object == session.example.parentObjects[0] || object == session.example.parentObjects[1]) continue;
    FreeObject(session, object);
    service.ItemDestroy(kWindow, object);
  }
}

// A question alone needs no room for a name or the "Don't ask me again" box.
void CloseUpConfirmation(WindowService& service) {
  constexpr std::int32_t kGap = 16;
  const ServiceRect question = service.ItemRect(kConfirmWindow, 50);
  const std::int32_t buttonTop = question.bottom + kGap;
  std::int32_t buttonHeight = 0;
  for (const std::int32_t button : {990, 1000}) {
    const ServiceRect place = service.ItemRect(kConfirmWindow, button);
    buttonHeight = place.bottom - place.top;
    service.ItemPlace(kConfirmWindow, button, buttonTop, place.left);
  }
  service.WindowBounds(kConfirmWindow);
  const auto bounds = service.Registers().windowRect;
  service.WindowResize(kConfirmWindow, buttonTop + buttonHeight + kGap, bounds.right - bounds.left);
}

}  // namespace

std::string ContainerDescription(const Session& session, const ContainerRecord& record) {
  const std::string spare = ContainerWord(session);
  if (record.count < 0) return "Spare " + spare;
  std::string word = spare;
  word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
  // A name that says what it is ("Storage cage") stands alone.
  std::string lower = record.name;
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  const bool saysWhat = lower.find(spare) != std::string::npos;
  const std::string named = record.name.empty() ? word : saysWhat ? record.name : word + " " + record.name;
  return named + ", " + std::to_string(record.count) + (record.count == 1 ? " individual" : " individuals");
}

std::string ContainerWord(const Session& session) {
  const std::int32_t kind = session.genetics.kind;
  return kind == kFly ? "bottle" : kind == kPlant ? "tray" : "cage";
}

void ShowContainers(Session& session) {
  const ContainerState& state = session.containers;
  WindowService& service = session.service;
  const std::int32_t kind = session.genetics.kind;
  for (std::int32_t c = kFirst; c <= kLast; ++c) {
    if (state.Record(c).count >= 0) {
      service.ItemShow(kWindow, c);
      ContainerLabelRedraw(session, c);
    } else {
      service.ItemHide(kWindow, c);
      service.ItemHide(kWindow, c + kLabelOffset);
    }
  }
  ShowSparePile(session);
  service.ItemHide(kWindow, kHighlight);

  // The spare pile's caption and the container menu follow the organism.
  service.SetItemValue(kWindow, kSpareOthers, kind == kPlant ? 6 : 5);
  service.ItemShow(kWindow, kind == kFly || kind == kPlant ? kSpareOthers : kSpareCages);
  service.ItemHide(kWindow, kind == kFly || kind == kPlant ? kSpareCages : kSpareOthers);
  const std::int32_t menu = kind == kFly ? main_window::kBottlesMenu
                            : kind == kPlant ? main_window::kTraysMenu
                                             : main_window::kCagesMenu;
  for (const std::int32_t m : {main_window::kCagesMenu, main_window::kBottlesMenu, main_window::kTraysMenu}) {
    service.Menu(m, 0, 0, m == menu ? -1 : -2);
  }
  UpdateContainerMenu(session);
}

bool RefusedAsFull(Session& session, std::int32_t container) {
  if (!Full(session, container)) return false;
  session.service.Alert(op::kErrorBox, "Sorry.  Cage is full.");
  return true;
}

bool PutInContainer(Session& session, std::int32_t container, std::int32_t object) {
  WindowService& service = session.service;
  if (RefusedAsFull(session, container)) return false;
  AddClass(session, container, session.genetics.objectClass[object]);
  FreeObject(session, object);
  service.ItemDestroy(kWindow, object);
  if (session.autoSettings.autoName && container != kFirst) AutoName(session, container);
  Deselect(session);
  ContainerLabelRedraw(session, container);
  UpdateContainerMenu(session);
  return true;
}

void AutoName(Session& session, std::int32_t container) {
  if (container == kFirst) return;
  const GeneticsState& g = session.genetics;
  ContainerRecord& record = session.containers.Record(container);
  if (record.count <= 0) {
    record.name.clear();
    return;
  }
  std::vector<std::int32_t> classes;
  for (std::int32_t spot = 1; spot <= kCapacity; ++spot) {
    if (record.spots[spot] > 0) classes.push_back(record.spots[spot]);
  }
  const std::int32_t first = classes.front();
  std::string buffer;
  const std::int32_t sex = g.classes[first].Sex();
  const bool oneSex = std::all_of(classes.begin(), classes.end(),
                                  [&](std::int32_t c) { return g.classes[c].Sex() == sex; });
  if (oneSex && !g.hermaphrodite && !g.hiddenSex) buffer = sex == 1 ? "Male," : "Female,";
  const std::int32_t n = g.lociCount;
  for (std::int32_t slot = 1; slot <= n; ++slot) {
    const std::int32_t k = session.example.lociOrder[slot] != 0 ? session.example.lociOrder[slot] : slot;
    const std::int32_t value = LocusPhenotype(g, first, k);
    const bool shared = std::all_of(classes.begin(), classes.end(),
                                    [&](std::int32_t c) { return LocusPhenotype(g, c, k) == value; });
    if (!shared) continue;
    const CharacterTexts& texts = g.vocabulary.characters[g.loci[k].character];
    const std::string& character = texts.name;
    const std::string& word = texts.phenotypes[value - 1];
    auto lowerFirst = [](std::string text) {
      if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
      return text;
    };
    std::string piece = texts.namingCode == 1 ? character + " " + lowerFirst(word) : word + " " + lowerFirst(character);
    if (slot < n) piece += ",";
    buffer += piece;
  }
  record.name = buffer.empty() ? "MIXED" : CutText(buffer, 128);
}

void MoveContainer(Session& session, std::int32_t container, std::int32_t left, std::int32_t top) {
  session.service.ItemPlace(kWindow, container, top, left);
}

void ContainerLabelRedraw(Session& session, std::int32_t container) {
  WindowService& service = session.service;
  const ContainerRecord& record = session.containers.Record(container);
  service.ItemSelect(kWindow, container);
  service.ItemResize(kHeight, kWidth);
  service.SetLocalCoordinates(true);
  DrawOutline(*service.ItemDrawing(), session.genetics.kind, record.count);
  service.ItemDescribe(kWindow, container, ContainerDescription(session, record));
  const ServiceRect picture = service.ItemRect(kWindow, container);
  const std::int32_t label = container + kLabelOffset;
  service.SetItemText(kWindow, label, record.name);
  service.ItemFitText(kWindow, label, 8);
  const ServiceRect size = service.ItemRect(kWindow, label);
  const std::int32_t width = size.right - size.left;
  service.ItemPlace(kWindow, label, picture.bottom + 1, picture.left + (kWidth - width) / 2);
  if (record.count >= 0 && !record.name.empty()) {
    service.ItemShow(kWindow, label);
  } else {
    service.ItemHide(kWindow, label);
  }
}

void Deselect(Session& session) {
  session.containers.selected = 0;
  session.service.ItemHide(kWindow, kHighlight);
  UpdateContainerMenu(session);
}

void SelectContainer(Session& session, std::int32_t container) {
  WindowService& service = session.service;
  session.containers.selected = container;
  const ServiceRect picture = service.ItemRect(kWindow, container);
  ServiceRect frame = picture;
  if (service.ItemVisible(kWindow, container + kLabelOffset)) {
    const ServiceRect label = service.ItemRect(kWindow, container + kLabelOffset);
    frame = {std::min(frame.top, label.top), std::min(frame.left, label.left), std::max(frame.bottom, label.bottom),
             std::max(frame.right, label.right)};
  }
  service.ItemPlace(kWindow, kHighlight, frame.top - 3, frame.left - 3);
  service.ItemResize(frame.bottom - frame.top + 6, frame.right - frame.left + 6);
  service.ItemShow(kWindow, kHighlight);
  UpdateContainerMenu(session);
}

void UpdateContainerMenu(Session& session) {
  const ContainerState& state = session.containers;
  WindowService& service = session.service;
  const auto enable = [&](std::int32_t command, bool on) {
    service.Menu(command, on ? 1 : 0, static_cast<std::int32_t>(MenuAction::Enable), 0);
  };
  for (std::int32_t command = kRename; command <= kShut; ++command) enable(command, false);
  if (state.open != 0) {
    enable(kShut, true);  // an open container must be shut before anything else
    return;
  }
  std::int32_t othersHeld = 0;
  for (std::int32_t c = kFirst + 1; c <= kLast; ++c) othersHeld += std::max(state.Record(c).count, 0);
  enable(kEmptyAll, state.inUse > 1 && othersHeld > 0);
  enable(kRecycleAll, state.inUse > 1);
  std::int32_t outside = 0;
  for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
    outside += session.genetics.objectClass[object] != 0 ? 1 : 0;
  }
  enable(kClearAll, outside > session.cross.inBoxes);
  if (state.selected != 0) {
    enable(kRename, true);
    enable(kRecycle, true);
    enable(kLookIn, true);
    enable(kEmpty, state.Record(state.selected).count >= 1);
  }
}

bool Confirm(Session& session, std::int32_t kind, bool showName, bool skippable) {
  ContainerState& state = session.containers;
  if (skippable && state.skipConfirm[kind]) return true;
  WindowService& service = session.service;
  service.WindowOpen(kConfirmWindow, 0);
  CentreOnLayout(service, kConfirmWindow, session.startup.layout);
  service.SetItemText(kConfirmWindow, 50, session.strings.ListString(422, kind));
  service.SetItemText(kConfirmWindow, 80, showName ? state.Record(state.selected).name : std::string());
  std::int32_t skip = 0;
  service.ItemSelect(kConfirmWindow, 90);
  service.ItemBind(skip);
  if (!skippable) service.ItemHide(kConfirmWindow, 90);
  if (!showName && !skippable) CloseUpConfirmation(service);
  service.WindowRunModal(kConfirmWindow);
  const bool yes = service.Registers().itemHit == 1000;
  if (yes) {
    service.ItemRead(kConfirmWindow, 90);
    if (skippable && skip != 0) state.skipConfirm[kind] = true;
  }
  service.WindowRelease(kConfirmWindow);
  return yes;
}

void ContainerCommand(Session& session, std::int32_t command) {
  ContainerState& state = session.containers;
  WindowService& service = session.service;
  const std::int32_t c = state.selected;
  switch (command) {
    case kRename:
      if (c != 0) Rename(session, c, false);
      break;
    case kEmpty:
      if (c != 0 && Confirm(session, 9, true, true)) EmptyContainer(session, c);
      Deselect(session);
      break;
    case kRecycle:
      if (c == kFirst) {
        service.Alert(op::kErrorBox, "Can't recycle Storage cage");
      } else if (c != 0 && Confirm(session, 10, true, true)) {
        RecycleContainer(session, c);
      }
      Deselect(session);
      break;
    case kEmptyAll:
      if (Confirm(session, 5, false, true)) {
        for (std::int32_t k = kFirst + 1; k <= kLast; ++k) {
          if (state.Record(k).count > 0) EmptyContainer(session, k);
        }
      }
      Deselect(session);
      break;
    case kRecycleAll:
      if (Confirm(session, 6, false, true)) {
        const bool allInUse = state.inUse == kLast - kFirst + 1;
        for (std::int32_t k = kFirst + 1; k <= kLast; ++k) {
          if (state.Record(k).count >= 0) RecycleContainer(session, k);
        }
        if (allInUse) service.ItemShow(kWindow, kFirst + 1);
        ShowSparePile(session);
      }
      Deselect(session);
      break;
    case kClearAll:
      ClearAll(session);
      break;
    case kLookIn:
      LookIn(session);
      break;
    case kShut:
      Shut(session);
      break;
    default:
      break;
  }
  UpdateContainerMenu(session);
}

void DragContainer(Session& session, std::int32_t container, bool doubleClick) {
  ContainerState& state = session.containers;
  WindowService& service = session.service;
  if (state.open != 0) return;
  const bool fromPile = state.Record(container).count < 0;
  if (!fromPile) SelectContainer(session, container);
  service.ItemTemplate(kWindow, container);
  service.ItemMove(service.Registers().resultWord, 0, 0, MoveMode::SystemDrag);
  const ServiceRect drop = InsideLayout(session.startup.layout, service.Registers().dragRect);
  const std::int32_t x = service.Registers().pointerX;
  const std::int32_t y = service.Registers().pointerY;
  const std::int32_t limit = 85 + 40 * ((session.genetics.kind + 1) / 3);
  if (drop.left <= 430 && drop.top <= limit) return;  // not into the boxes at the top

  const ServiceRect bin = service.ItemRect(kWindow, screen::kBin);
  if (Contains(bin, x, y) || OverlapArea(drop, bin) > 400) {
    if (state.Record(container).count >= 1) {
      state.selected = container;
      if (Confirm(session, 9, true, true)) EmptyContainer(session, container);
      Deselect(session);
    }
    return;
  }
  const ServiceRect pile{kSpareTop, kSpareLeft, kSpareTop + kHeight, kSpareLeft + kWidth};
  if (Contains(pile, x, y) && !fromPile) {
    // The same as the "Recycle" command, Storage's refusal included.
    state.selected = container;
    ContainerCommand(session, kRecycle);
    ShowSparePile(session);
    return;
  }
  if (Contains(pile, x, y) || OverlapArea(drop, pile) > 0) return;

  SetDownContainer(session, container, drop.left, drop.top);
  if (doubleClick) LookIn(session);
}

void SetDownContainer(Session& session, std::int32_t container, std::int32_t left, std::int32_t top) {
  ContainerState& state = session.containers;
  session.service.ItemPlace(kWindow, container, top, left);
  if (state.Record(container).count < 0) {
    ++state.inUse;
    state.Record(container).count = 0;
    ShowSparePile(session);
    if (!session.autoSettings.autoName) Rename(session, container, true);
  }
  ContainerLabelRedraw(session, container);
  SelectContainer(session, container);
}

}  // namespace crossmere
