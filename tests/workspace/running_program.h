#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "program/startup.h"
#include "tests/layer/strict_service.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere::testing {

// The program as a student has just started it: welcome window clicked away,
// the name "Ann" entered, the first exercise (getting started, Monkbears
// without sexes) on screen. Helpers use the mouse the way the student does.
class RunningProgram : public ::testing::Test {
 protected:
  RunningProgram() {
    ScriptStrictly(service);
    service.PretendScreen({1024, 768});
    service.AnswerNextDialog([](ScriptedDialog& d) { d.ClickBackground(); });
    service.AnswerNextDialog([](ScriptedDialog& d) {
      d.SetText(11, "Ann");
      d.Click(1000);
    });
    ProgramEntry(session);
  }

  ServiceRect Rect(std::int32_t item) { return service.ItemRect(main_window::kWindow, item); }

  // A new individual of a class standing on the workspace at (left, top).
  std::int32_t PutOnWorkspace(std::int32_t classNumber, std::int32_t left = 300, std::int32_t top = 420) {
    std::int32_t object = kFirstOffspringObject;
    while (session.genetics.objectClass[object] != 0) ++object;
    session.genetics.objectClass[object] = classNumber;
    session.offspring.highestObject = std::max(session.offspring.highestObject, object);
    NewIndividual(session, object, left, top);
    return object;
  }

  // Presses on an item (its centre, or just inside its top-left corner) and
  // moves the pointer by (dx, dy) before letting go.
  void DragBy(std::int32_t item, std::int32_t dx, std::int32_t dy, bool fromCentre = true) {
    const ServiceRect r = Rect(item);
    const std::int32_t x = fromCentre ? (r.left + r.right) / 2 : r.left + 1;
    const std::int32_t y = fromCentre ? (r.top + r.bottom) / 2 : r.top + 1;
    service.QueuePointerPath({{{x, y}, {x + dx, y + dy}}});
    service.PressPicture(main_window::kWindow, item);
  }

  Session session;
  WindowService& service = session.service;
};

}  // namespace crossmere::testing
