#include "workspace/crossing_box.h"

#include "workspace/containers.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using main_window::kWindow;

constexpr std::int32_t kProgressPanel = 2021;
constexpr std::int32_t kProgressCount = 2023;
constexpr std::int32_t kProgressOutOf = 2024;
constexpr std::int32_t kProgressTotal = 2025;
constexpr std::int32_t kProgressText = 2022;
constexpr std::int32_t kAutoFillPause = 3;  // ticks between two offspring

void SendBack(WindowService& service, std::int32_t object, const ServiceRect& start) {
  service.ItemPlace(kWindow, object, start.top, start.left);
}

void ShowProgress(WindowService& service, std::int32_t made, std::int32_t total, bool show) {
  if (!show) {
    for (const std::int32_t item : {kProgressText, kProgressCount, kProgressOutOf, kProgressTotal}) {
      service.ItemHide(kWindow, item);
    }
    return;
  }
  service.SetItemText(kWindow, kProgressCount, std::to_string(made));
  service.SetItemText(kWindow, kProgressTotal, std::to_string(total));
  for (const std::int32_t item : {kProgressText, kProgressCount, kProgressOutOf, kProgressTotal}) {
    service.ItemShow(kWindow, item);
  }
  service.ItemSelect(kWindow, kProgressPanel);
  service.ItemRefresh();
}

}  // namespace

bool ParentsLocked(const Session& session) {
  return session.cross.parentsLocked || session.exercises.options[session.progress.current].Locked();
}

bool CrossStands(const Session& session) {
  return session.genetics.objectClass[kFirstParentObject] != 0 && session.genetics.objectClass[kSecondParentObject] != 0;
}

bool DropOnParentPlace(Session& session, std::int32_t object, const ServiceRect& drop, const ServiceRect& start) {
  WindowService& service = session.service;
  GeneticsState& genetics = session.genetics;
  CrossState& cross = session.cross;
  const std::int32_t topLimit = 40 + 10 * (genetics.kind / 2);
  for (std::int32_t i = 0; i < 2; ++i) {
    const std::int32_t place = kFirstParentObject + i;
    if (genetics.objectClass[place] != 0 || drop.top >= topLimit ||
        OverlapArea(drop, service.ItemRect(kWindow, place)) == 0) {
      continue;
    }
    const std::int32_t classNumber = genetics.objectClass[object];
    const std::int32_t sex = genetics.classes[classNumber].Sex();
    if (!genetics.hermaphrodite && !genetics.hiddenSex && sex != i) {
      service.Alert(op::kErrorBox, i == 0 ? "That's a male" : "That's a female");
      SendBack(service, object, start);
      return true;
    }
    const std::int32_t other = kFirstParentObject + 1 - i;
    const bool otherFilled = genetics.objectClass[other] != 0;
    const bool newParent = cross.lastParents[i] != object;
    if (newParent && session.offspring.pending != 0 && otherFilled) {
      service.Alert(op::kInformationBox, "Please remove offspring from previous cross before setting up new cross");
      SendBack(service, object, start);
      return true;
    }
    genetics.objectClass[place] = classNumber;
    session.example.parentObjects[i] = object;
    ++cross.inBoxes;
    BuildClassPicture(session, classNumber);
    service.ItemCopyPicture(kWindow, classNumber, place);
    service.ItemShow(kWindow, place);
    service.ItemHide(kWindow, object);
    if (otherFilled && newParent) {
      ++cross.number;
      session.offspring.startingCross = session.example.parentObjects == session.example.startingParents;
      session.offspring.crossClassCount.fill(0);
      session.offspring.counters[2] = 0;
      if (session.offspring.delay == 0) session.offspring.delay = 30;
    }
    cross.lastParents[i] = object;
    // The waiting offspring that takes a place waits no longer.
    if (session.offspring.pending == object) session.offspring.pending = 0;
    if (otherFilled && session.offspring.pending == 0) ShowNextOffspring(session);
    return true;
  }
  return false;
}

void LeaveParentPlace(Session& session, std::int32_t place) {
  session.genetics.objectClass[place] = 0;
  session.example.parentObjects[place - kFirstParentObject] = 0;
  if (session.cross.inBoxes > 0) --session.cross.inBoxes;
  session.service.ItemHide(kWindow, place);
}

void ShowNextOffspring(Session& session) {
  WindowService& service = session.service;
  const NewOffspringResult made =
      NewOffspring(session.genetics, session.offspring, session.random, false, session.Now());
  if (made.outcome == OffspringOutcome::NoRoom) {
    service.Alert(op::kInformationBox, "Sorry.  No more animals possible");
    return;
  }
  if (made.outcome != OffspringOutcome::Made) return;
  if (!service.Scripted()) service.DelayTicks(made.waitTicks);
  OffspringShown(session.offspring, made.object, session.Now());
  ShowPendingOffspring(session);
  UpdateContainerMenu(session);
}

void AutoFill(Session& session) {
  WindowService& service = session.service;
  GeneticsState& genetics = session.genetics;
  OffspringState& offspring = session.offspring;
  ContainerState& containers = session.containers;
  const std::int32_t cross = session.cross.number;
  std::int32_t made = 0;
  std::int32_t room = 0;
  bool noScreenNumber = false;
  for (std::int32_t c = containers::kFirst + 1; c <= containers::kLast; ++c) {
    const ContainerRecord& record = containers.Record(c);
    if (record.crossTag == cross) room += containers::kCapacity - record.count;
  }
  ShowProgress(service, 0, room, true);
  service.SetBusy(true);

  for (;;) {
    const std::int64_t started = session.Now();
    const std::int32_t classNumber = Mendel(genetics, offspring, session.random);
    for (auto& counter : offspring.counters) ++counter;
    std::int32_t target = 0;
    bool full = false;
    for (std::int32_t c = containers::kFirst + 1; c <= containers::kLast && target == 0 && !full; ++c) {
      ContainerRecord& record = containers.Record(c);
      if (record.crossTag != cross || record.count <= 0) continue;
      for (std::int32_t spot = 1; spot <= containers::kCapacity; ++spot) {
        if (record.spots[spot] <= 0 ||
            genetics.phenotypeClassNumber[record.spots[spot]] != genetics.phenotypeClassNumber[classNumber]) {
          continue;
        }
        if (record.count >= containers::kCapacity) {
          full = true;
        } else {
          target = c;
        }
        break;
      }
    }
    if (target == 0) {
      // No container for this phenotype (or its container is full): it waits in the box.
      offspring.generatedClass = classNumber;
      const NewOffspringResult shown = NewOffspring(genetics, offspring, session.random, true, session.Now());
      // Counted once when it was made; with no screen number it never comes to be.
      for (auto& counter : offspring.counters) --counter;
      if (shown.outcome == OffspringOutcome::Made) {
        OffspringShown(offspring, shown.object, session.Now());
        ShowPendingOffspring(session);
      } else if (shown.outcome == OffspringOutcome::NoRoom) {
        noScreenNumber = true;
        --genetics.classOffspringCount[classNumber];
        --offspring.crossClassCount[classNumber];
        service.Alert(op::kInformationBox, "Sorry.  No more animals possible");
      }
      break;
    }
    containers.Add(target, classNumber);
    ContainerLabelRedraw(session, target);
    ShowProgress(service, ++made, room, true);
    if (!service.Scripted()) {
      while (session.Now() - started <= kAutoFillPause) service.DelayTicks(1);
    }
    if (service.WaitForClick()) break;
  }
  service.SetBusy(false);
  service.Registers().itemHit = 0;
  ShowProgress(service, 0, 0, false);
  if (offspring.pending == 0 && !noScreenNumber) ShowNextOffspring(session);
  UpdateContainerMenu(session);
}

}  // namespace crossmere
