#pragma once

#include <cstdint>
#include <string>

#include "layer/string_lists.h"
#include "layer/tick_count.h"
#include "layer/window_service.h"
#include "session/session_state.h"
#include "session/teacher_state.h"
#include "workspace/state_store.h"

namespace crossmere {

// When the copy kept against a crash was last written.
struct RecoveryCopyState {
  std::int64_t lastCopy = 0;  // ticks
  bool tryFinished = false;   // the copy of this try's finish is written
};

// One run of the program: the plain state that files save, with the string
// lists, the window service and the clock it runs on. Every routine reaches
// it the same way, and a test starts from a fresh one.
struct Session : SessionState {
  StringLists strings;
  WindowService service{strings};
  Clock clock = TickCount;
  StateStore questionFamilies;  // each family's own, for the current try
  std::string savedWorkFile;    // where the work was last saved or opened from
  RecoveryCopyState recovery;
  std::string classSetUpFile;  // where the class set-up is read from and written to
  bool classSetUpNamed = false;  // a lab's shared file, named when the program was started
  TeacherState teacher;
  std::int32_t eventsUnderWay = 0;  // an event's handling may pump others

  std::int64_t Now() const { return clock(); }
};

}  // namespace crossmere
