#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "session/saved_work_file.h"
#include "session/session_state.h"

namespace crossmere {

class StringLists;

// Where the workspace shows things, which the plain state does not know.
struct WorkspacePlaces {
  std::array<ScreenPlace, kLastOffspringObject + 1> objects{};  // by object number
  std::array<ScreenPlace, kContainerCount> containers{};         // containers 1..17 as 0..16
};

// Moves the Storage container's filled spots to 1..count, in order, so that
// the file's slots 1..count hold all of them.
void CompactStorage(ContainerState& containers);

// The saved-work record of a session's state and of where the workspace shows things.
SavedWork CaptureWork(const SessionState& state, const WorkspacePlaces& places);

// The state a saved work brings back: the student and their progress, the
// current exercise set up afresh for them, then the file's containers,
// individuals and crossing box over it. Built beside `current`; nothing
// when the file's individuals do not fit that example.
std::optional<SessionState> RestoredState(const SessionState& current, const SavedWork& work,
                                          const StringLists& strings, const Clock& clock,
                                          SavedWorkProblem* problem = nullptr);

// The name proposed for saving: the student's name, or number, and whose
// work it is ("'s animals", or "'s plants" for a nameless plant student),
// with the characters file systems refuse replaced by "_".
std::string ProposedFileName(const SessionState& state);

}  // namespace crossmere
