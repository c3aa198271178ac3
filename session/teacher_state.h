#pragma once

#include <array>
#include <string>

#include "records/class_setup.h"
#include "session/class_marks.h"

namespace crossmere {

// A teacher's run: the answers file being written and what goes into it,
// and the class marks last read.
struct TeacherState {
  bool teacherRun = false;
  std::string answersFile;                          // empty: no answers file open
  std::array<bool, kSlotCount + 1> nominated{};     // slots whose answers are written
  ClassMarks classMarks;
  std::string classMarksFolder;  // where they were read from
};

}  // namespace crossmere
