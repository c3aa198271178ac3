#pragma once

#include <string>

namespace crossmere {

struct Session;

// "Save &As...": the student's work into a file they choose, written whole
// or not at all, so that a failed write leaves any earlier file as it was;
// the student is told when it fails and why.
void SaveWork(Session& session);

// "&Open..." and the entry dialogs' "Open...": asks for a saved-work file
// and restores it; true when the work was restored.
bool OpenWork(Session& session);

// Restores the work saved in a file. A file that cannot be read, is damaged
// or does not fit changes nothing, and the student is told which file and why.
bool RestoreWork(Session& session, const std::string& path);

}  // namespace crossmere
